#pragma once
// Reference-counted interfaces of the host's runtime: identifiers, the root interface, the owning
// reference, the implementing base class and the checked conversion between interfaces.

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

#include "Exception.h"
#include "Vcl50Api.h"

namespace vcl {

using HResult = int32_t;
constexpr HResult S_OK = 0;
constexpr HResult E_NOINTERFACE = static_cast<HResult>(0x80004002u);
constexpr HResult E_POINTER = static_cast<HResult>(0x80004003u);

// An interface identifier.
struct TGUID {
  uint32_t D1;
  uint16_t D2;
  uint16_t D3;
  uint8_t D4[8];
  friend constexpr bool operator==(const TGUID&, const TGUID&) = default;
};

namespace detail {
void MalformedGuid();  // never defined: reaching it makes a compile-time parse fail

constexpr uint32_t HexValue(const char* text, int digits) {
  uint32_t value = 0;
  for (int i = 0; i < digits; ++i) {
    const char c = text[i];
    uint32_t digit = 0;
    if (c >= '0' && c <= '9') {
      digit = static_cast<uint32_t>(c - '0');
    } else if (c >= 'A' && c <= 'F') {
      digit = static_cast<uint32_t>(c - 'A' + 10);
    } else if (c >= 'a' && c <= 'f') {
      digit = static_cast<uint32_t>(c - 'a' + 10);
    } else {
      MalformedGuid();
    }
    value = value * 16 + digit;
  }
  return value;
}
}  // namespace detail

// Parses "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", so identifiers are written as the host spells them;
// a malformed one used for a constexpr variable fails to compile.
constexpr TGUID ParseGUID(const char (&text)[39]) {
  if (text[0] != '{' || text[9] != '-' || text[14] != '-' || text[19] != '-' || text[24] != '-' || text[37] != '}') {
    detail::MalformedGuid();
  }
  TGUID guid{detail::HexValue(text + 1, 8), static_cast<uint16_t>(detail::HexValue(text + 10, 4)),
             static_cast<uint16_t>(detail::HexValue(text + 15, 4)), {}};
  for (int i = 0; i < 2; ++i) guid.D4[i] = static_cast<uint8_t>(detail::HexValue(text + 20 + 2 * i, 2));
  for (int i = 0; i < 6; ++i) guid.D4[2 + i] = static_cast<uint8_t>(detail::HexValue(text + 25 + 2 * i, 2));
  return guid;
}

// The root of every host interface. Each derived interface names its identifier (IID) and the
// interface it extends (TParent), which is what QueryInterface answers by.
class IInterface {
 public:
  static constexpr TGUID IID = ParseGUID("{00000000-0000-0000-C000-000000000046}");

  // On success stores an added reference to the interface asked for in *Obj and returns S_OK.
  virtual HResult QueryInterface(const TGUID& Iid, void** Obj) noexcept = 0;
  // Both return the new reference count; the object frees itself when it reaches 0.
  virtual int32_t _AddRef() noexcept = 0;
  virtual int32_t _Release() noexcept = 0;

 protected:
  ~IInterface() = default;  // objects go away through _Release only
};

// Owning reference to a reference-counted interface: adds a reference on copy and releases it in
// the destructor. A pointer that arrives already referenced is taken over with Adopt.
template <class T>
class TIntfRef {
 public:
  TIntfRef() noexcept = default;
  TIntfRef(std::nullptr_t) noexcept {}
  explicit TIntfRef(T* ptr) noexcept : FPtr(ptr) {
    if (FPtr) FPtr->_AddRef();
  }
  // Takes over a reference the caller already holds.
  static TIntfRef Adopt(T* ptr) noexcept {
    TIntfRef ref;
    ref.FPtr = ptr;
    return ref;
  }
  TIntfRef(const TIntfRef& other) noexcept : TIntfRef(other.FPtr) {}
  TIntfRef(TIntfRef&& other) noexcept : FPtr(std::exchange(other.FPtr, nullptr)) {}
  template <class U>
    requires std::is_convertible_v<U*, T*>
  TIntfRef(const TIntfRef<U>& other) noexcept : TIntfRef(static_cast<T*>(other.Get())) {}
  template <class U>
    requires std::is_convertible_v<U*, T*>
  TIntfRef(TIntfRef<U>&& other) noexcept : FPtr(other.Detach()) {}
  TIntfRef& operator=(TIntfRef other) noexcept {
    std::swap(FPtr, other.FPtr);
    return *this;
  }
  ~TIntfRef() {
    if (FPtr) FPtr->_Release();
  }

  T* Get() const noexcept { return FPtr; }
  T* operator->() const noexcept { return FPtr; }
  T& operator*() const noexcept { return *FPtr; }
  explicit operator bool() const noexcept { return FPtr != nullptr; }
  void Reset() noexcept { TIntfRef().Swap(*this); }
  void Swap(TIntfRef& other) noexcept { std::swap(FPtr, other.FPtr); }
  // Gives the reference up to the caller, who releases it.
  [[nodiscard]] T* Detach() noexcept { return std::exchange(FPtr, nullptr); }

 private:
  T* FPtr = nullptr;
};

namespace detail {
template <class I>
bool MatchInterface(I* intf, const TGUID& iid, void** obj) noexcept {
  if (iid == I::IID) {
    *obj = intf;
    return true;
  }
  if constexpr (requires { typename I::TParent; }) {
    static_assert(!(I::IID == I::TParent::IID), "an interface needs an identifier of its own");
    return MatchInterface<typename I::TParent>(intf, iid, obj);
  } else {
    return false;
  }
}
}  // namespace detail

// Implements reference counting and QueryInterface for the interfaces TIntfs (and those they
// extend). Created with reference count 0; the first TIntfRef takes it to 1.
template <class... TIntfs>
class TInterfacedObject : public TIntfs... {
 public:
  TInterfacedObject() = default;
  TInterfacedObject(const TInterfacedObject&) = delete;
  TInterfacedObject& operator=(const TInterfacedObject&) = delete;

  HResult QueryInterface(const TGUID& Iid, void** Obj) noexcept override {
    if (Obj == nullptr) return E_POINTER;
    *Obj = nullptr;
    if (!(detail::MatchInterface<TIntfs>(static_cast<TIntfs*>(this), Iid, Obj) || ...)) return E_NOINTERFACE;
    _AddRef();
    return S_OK;
  }
  int32_t _AddRef() noexcept override { return ++FRefCount; }
  int32_t _Release() noexcept override {
    const int32_t count = --FRefCount;
    if (count == 0) delete this;
    return count;
  }

 protected:
  virtual ~TInterfacedObject() = default;

 private:
  int32_t FRefCount = 0;
};

// The error of a conversion to an interface the object does not provide.
class VCL50_API EIntfCastError : public rtl::Exception {
 public:
  EIntfCastError();
  const char* ClassName() const noexcept override;
};

[[noreturn]] VCL50_API void RaiseIntfCastError();

// An added reference to interface T of Obj, or null when Obj is null or does not provide T.
template <class T, class U>
TIntfRef<T> Supports(U* Obj) noexcept {
  void* intf = nullptr;
  if (Obj == nullptr || Obj->QueryInterface(T::IID, &intf) != S_OK || intf == nullptr) return {};
  return TIntfRef<T>::Adopt(static_cast<T*>(intf));
}
template <class T, class U>
TIntfRef<T> Supports(const TIntfRef<U>& Obj) noexcept {
  return Supports<T>(Obj.Get());
}

// Like Supports, but raises EIntfCastError instead of answering null; a null object is refused too.
template <class T, class U>
TIntfRef<T> As(const TIntfRef<U>& Obj) {
  TIntfRef<T> intf = Supports<T>(Obj);
  if (!intf) RaiseIntfCastError();
  return intf;
}

}  // namespace vcl
