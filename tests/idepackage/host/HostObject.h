#pragma once
// What every object of the test host shares: injected failures and a count of the references held
// to host objects, by host and package alike.

#include <cstdint>
#include <string>

#include "Exception.h"
#include <korvex50/Interfaces.h>

namespace testhost {

// The error a host operation raises when a test makes it fail.
class EHostError : public rtl::Exception {
 public:
  using rtl::Exception::Exception;
  const char* ClassName() const noexcept override { return "EHostError"; }
};

struct THostState {
  std::string FailAt;      // the host operation of this name raises EHostError
  int64_t References = 0;  // references currently held to host objects

  void Enter(const char* operation) const {
    if (FailAt == operation) throw EHostError(std::string("host failure in ") + operation);
  }
};

THostState& HostState();

// A host object: counts its references in HostState and checks for an injected failure on entry.
template <class... TIntfs>
class THostObject : public vcl::TInterfacedObject<TIntfs...> {
  using TBase = vcl::TInterfacedObject<TIntfs...>;

 public:
  int32_t _AddRef() noexcept override {
    ++HostState().References;
    return TBase::_AddRef();
  }
  int32_t _Release() noexcept override {
    --HostState().References;
    return TBase::_Release();
  }

 protected:
  static void Enter(const char* operation) { HostState().Enter(operation); }
};

}  // namespace testhost
