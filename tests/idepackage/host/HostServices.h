#pragma once
// The host's services object: module services (the current module) and keyboard services that keep
// bindings, let them bind their keys and dispatch a pressed shortcut to the bound procedure.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "HostEditors.h"
#include "HostObject.h"
#include <korvex50/Toolsapi.h>

namespace testhost {

using Toolsapi::TBindingHandle;
using Toolsapi::TKeyBindingContext;
using Toolsapi::TKeyBindingResult;

class THostKeyContext final : public THostObject<Toolsapi::IOTAKeyContext> {
 public:
  explicit THostKeyContext(TKeyBindingContext context) : FContext(context) {}
  TKeyBindingContext GetContext() override;

 private:
  TKeyBindingContext FContext;
};

// One key binding as AddKeyBinding received it.
struct TKeyBinding {
  TBindingHandle Owner;
  std::vector<vcl::TShortCut> Keys;
  Toolsapi::TKeyBindingProc KeyProc;
  TKeyBindingContext Context;
  int32_t Flags;
  std::string Keyboard;
  std::string MenuItemName;
};

// One keyboard binding as AddKeyboardBinding received it, with what the host asked of it.
struct TRegistration {
  TBindingHandle Handle;
  TIntfRef<Toolsapi::IOTAKeyboardBinding> Binding;
  Toolsapi::TBindingType Type;
  std::string DisplayName;
  std::string Name;
};

class THostServices final
    : public THostObject<Toolsapi::IBorlandIDEServices, Toolsapi::IOTAModuleServices, Toolsapi::IOTAKeyboardServices> {
 public:
  vcl::HResult QueryInterface(const vcl::TGUID& Iid, void** Obj) noexcept override;
  TIntfRef<Toolsapi::IOTAModule> CurrentModule() override;
  TBindingHandle AddKeyboardBinding(Toolsapi::IOTAKeyboardBinding* KeyBinding) override;
  void RemoveKeyboardBinding(TBindingHandle Handle) override;

  // Test side.
  void SetCurrentModule(TIntfRef<Toolsapi::IOTAModule> module) { FCurrentModule = std::move(module); }
  void AddKey(TKeyBinding key) { FKeys.push_back(std::move(key)); }
  // Calls the procedure bound to shortcut, starting from a result value no handler sets; nullopt
  // when nothing is bound to it.
  std::optional<uint8_t> PressKey(vcl::TShortCut shortcut);
  const std::vector<TRegistration>& Registrations() const { return FRegistrations; }
  const std::vector<TKeyBinding>& Keys() const { return FKeys; }
  // The binding's reference count after the host let go of it in RemoveKeyboardBinding (0: destroyed).
  int32_t LastReleasedCount() const { return FLastReleasedCount; }

  bool OfferModuleServices = true;
  bool OfferKeyboardServices = true;
  static constexpr uint8_t kResultNotSet = 0xEE;

 private:
  TIntfRef<Toolsapi::IOTAModule> FCurrentModule;
  std::vector<TRegistration> FRegistrations;
  std::vector<TKeyBinding> FKeys;
  TBindingHandle FNextHandle = 100;
  int32_t FLastReleasedCount = -1;
};

// The key binding services a binding gets in BindKeyboard; its keys are filed under its registration.
class THostKeyBindingServices final : public THostObject<Toolsapi::IOTAKeyBindingServices> {
 public:
  THostKeyBindingServices(THostServices& services, TBindingHandle owner) : FServices(services), FOwner(owner) {}
  void AddKeyBinding(std::span<const vcl::TShortCut> Keys, Toolsapi::TKeyBindingProc KeyProc,
                     TKeyBindingContext Context, int32_t Flags, const std::string& Keyboard,
                     const std::string& MenuItemName) override;

 private:
  THostServices& FServices;
  TBindingHandle FOwner;
};

}  // namespace testhost
