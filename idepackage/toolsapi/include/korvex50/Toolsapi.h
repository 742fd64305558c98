#pragma once
// The host's tools interface, as far as the package reaches into it: the current module and its
// file editors, the source editor's reader and views, and the keyboard services.
//
// Conventions: an interface reference returned by value (TIntfRef) belongs to the caller; a raw
// interface pointer passed in is borrowed for the call. Errors of the host pass through as C++
// exceptions (host and package share one compiler and runtime).
//
// The identifiers of IOTAModuleServices, IOTASourceEditor, IOTAKeyboardServices and
// IOTAKeyboardBinding are the host's; the others are this stand-in's own.

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "Interfaces.h"
#include "ShortCut.h"
#include "Vcl50Api.h"

namespace Toolsapi {

using vcl::TIntfRef;

#pragma pack(push, 1)
// Column and line of a view, both from 1.
struct TOTAEditPos {
  int16_t Col;
  int32_t Line;
};
// Characters before the position within its line (from 0), and the line (from 1).
struct TOTACharPos {
  int16_t CharIndex;
  int32_t Line;
};
#pragma pack(pop)
static_assert(sizeof(TOTAEditPos) == 6, "the host's edit position is a packed 6-byte record");
static_assert(sizeof(TOTACharPos) == 6, "the host's character position is a packed 6-byte record");

enum TKeyBindingResult : uint8_t { krUnhandled = 0, krHandled = 1 };
enum TBindingType : int32_t { btComplete = 0, btPartial = 1 };

using TBindingHandle = int32_t;        // names one registration with the keyboard services
using TKeyBindingContext = uintptr_t;  // the value a key binding hands back through IOTAKeyContext

class IOTANotifier : public vcl::IInterface {
 public:
  using TParent = vcl::IInterface;
  static constexpr vcl::TGUID IID = vcl::ParseGUID("{4B4F5256-0100-4E4F-8000-000000000001}");
  virtual void AfterSave() = 0;
  virtual void BeforeSave() = 0;
  virtual void Destroyed() = 0;
  virtual void Modified() = 0;

 protected:
  ~IOTANotifier() = default;
};

class IOTAEditReader : public vcl::IInterface {
 public:
  using TParent = vcl::IInterface;
  static constexpr vcl::TGUID IID = vcl::ParseGUID("{4B4F5256-0100-4E4F-8000-000000000002}");
  // Copies up to Count characters from the 0-based Position into Buffer; returns how many it copied.
  virtual int32_t GetText(int32_t Position, char* Buffer, int32_t Count) = 0;

 protected:
  ~IOTAEditReader() = default;
};

class IOTAEditView : public vcl::IInterface {
 public:
  using TParent = vcl::IInterface;
  static constexpr vcl::TGUID IID = vcl::ParseGUID("{4B4F5256-0100-4E4F-8000-000000000003}");
  virtual TOTAEditPos GetCursorPos() = 0;
  virtual void SetCursorPos(const TOTAEditPos& Value) = 0;
  // The top-left visible position.
  virtual TOTAEditPos GetTopPos() = 0;
  virtual void SetTopPos(const TOTAEditPos& Value) = 0;
  // EdPosToCharPos true: fills CharPos from EditPos; false: fills EditPos from CharPos.
  virtual void ConvertPos(bool EdPosToCharPos, TOTAEditPos& EditPos, TOTACharPos& CharPos) = 0;
  // The 0-based offset of CharPos in the editor's text.
  virtual int32_t CharPosToPos(TOTACharPos CharPos) = 0;
  virtual void Paint() = 0;

 protected:
  ~IOTAEditView() = default;
};

class IOTAEditor : public vcl::IInterface {
 public:
  using TParent = vcl::IInterface;
  static constexpr vcl::TGUID IID = vcl::ParseGUID("{4B4F5256-0100-4E4F-8000-000000000004}");

 protected:
  ~IOTAEditor() = default;
};

class IOTASourceEditor : public IOTAEditor {
 public:
  using TParent = IOTAEditor;
  static constexpr vcl::TGUID IID = vcl::ParseGUID("{F17A7BD1-E07D-11D1-AB0B-00C04FB16FB3}");
  virtual TIntfRef<IOTAEditReader> CreateReader() = 0;
  virtual int32_t GetEditViewCount() = 0;
  virtual TIntfRef<IOTAEditView> GetEditView(int32_t Index) = 0;

 protected:
  ~IOTASourceEditor() = default;
};

class IOTAModule : public vcl::IInterface {
 public:
  using TParent = vcl::IInterface;
  static constexpr vcl::TGUID IID = vcl::ParseGUID("{4B4F5256-0100-4E4F-8000-000000000005}");
  virtual int32_t GetModuleFileCount() = 0;
  virtual TIntfRef<IOTAEditor> GetModuleFileEditor(int32_t Index) = 0;

 protected:
  ~IOTAModule() = default;
};

class IOTAModuleServices : public vcl::IInterface {
 public:
  using TParent = vcl::IInterface;
  static constexpr vcl::TGUID IID = vcl::ParseGUID("{F17A7BCD-E07D-11D1-AB0B-00C04FB16FB3}");
  // The module of the active editor, or null.
  virtual TIntfRef<IOTAModule> CurrentModule() = 0;

 protected:
  ~IOTAModuleServices() = default;
};

class IOTAKeyContext : public vcl::IInterface {
 public:
  using TParent = vcl::IInterface;
  static constexpr vcl::TGUID IID = vcl::ParseGUID("{4B4F5256-0100-4E4F-8000-000000000006}");
  // The context value given with the key binding that was pressed.
  virtual TKeyBindingContext GetContext() = 0;

 protected:
  ~IOTAKeyContext() = default;
};

// Called when a bound key is pressed; sets BindingResult to krHandled to consume the key.
using TKeyBindingProc =
    std::function<void(IOTAKeyContext* Context, vcl::TShortCut KeyCode, TKeyBindingResult& BindingResult)>;

class IOTAKeyBindingServices : public vcl::IInterface {
 public:
  using TParent = vcl::IInterface;
  static constexpr vcl::TGUID IID = vcl::ParseGUID("{4B4F5256-0100-4E4F-8000-000000000007}");
  // Binds the key sequence Keys to KeyProc, which gets Context back when it is pressed.
  virtual void AddKeyBinding(std::span<const vcl::TShortCut> Keys, TKeyBindingProc KeyProc,
                             TKeyBindingContext Context, int32_t Flags, const std::string& Keyboard,
                             const std::string& MenuItemName) = 0;

 protected:
  ~IOTAKeyBindingServices() = default;
};

class IOTAKeyboardBinding : public IOTANotifier {
 public:
  using TParent = IOTANotifier;
  static constexpr vcl::TGUID IID = vcl::ParseGUID("{F8CAF8D7-D263-11D2-ABD8-00C04FB16FB3}");
  virtual TBindingType GetBindingType() = 0;
  virtual std::string GetDisplayName() = 0;
  virtual std::string GetName() = 0;
  // Adds the binding's keys through BindingServices (borrowed for the call).
  virtual void BindKeyboard(IOTAKeyBindingServices* BindingServices) = 0;

 protected:
  ~IOTAKeyboardBinding() = default;
};

class IOTAKeyboardServices : public vcl::IInterface {
 public:
  using TParent = vcl::IInterface;
  static constexpr vcl::TGUID IID = vcl::ParseGUID("{F8CAF8D5-D263-11D2-ABD8-00C04FB16FB3}");
  // Keeps a reference to KeyBinding and binds its keys; the handle names the registration.
  virtual TBindingHandle AddKeyboardBinding(IOTAKeyboardBinding* KeyBinding) = 0;
  // Drops the registration's keys and its reference to the binding; an unknown handle is ignored.
  virtual void RemoveKeyboardBinding(TBindingHandle Handle) = 0;

 protected:
  ~IOTAKeyboardServices() = default;
};

class IBorlandIDEServices : public vcl::IInterface {
 public:
  using TParent = vcl::IInterface;
  static constexpr vcl::TGUID IID = vcl::ParseGUID("{4B4F5256-0100-4E4F-8000-000000000008}");

 protected:
  ~IBorlandIDEServices() = default;
};

// The host's services object; the host sets it before it loads packages and clears it when done.
VCL50_API extern TIntfRef<IBorlandIDEServices> BorlandIDEServices;

// Base of notifier implementations: the notifications do nothing.
template <class... TIntfs>
class TNotifierObject : public vcl::TInterfacedObject<TIntfs...> {
  static_assert((std::is_base_of_v<IOTANotifier, TIntfs> || ...), "a notifier object implements a notifier");

 public:
  void AfterSave() override {}
  void BeforeSave() override {}
  void Destroyed() override {}
  void Modified() override {}
};

}  // namespace Toolsapi
