#pragma once
// The host's services object for the package: the current module, and keyboard services that keep
// the package's binding and the keys it binds until the package takes them off again.

#include <korvex50/Toolsapi.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace geanyhost {

// One key the package bound: pressing ShortCut calls Proc (code of the package) with Context.
struct TBoundKey {
  Toolsapi::TBindingHandle Owner;
  vcl::TShortCut ShortCut;
  Toolsapi::TKeyBindingProc Proc;
  Toolsapi::TKeyBindingContext Context;
  std::string BindingName;  // the binding's display name
};

class THostServices final : public vcl::TInterfacedObject<Toolsapi::IBorlandIDEServices, Toolsapi::IOTAModuleServices,
                                                          Toolsapi::IOTAKeyboardServices> {
 public:
  using TModuleSource = std::function<vcl::TIntfRef<Toolsapi::IOTAModule>()>;
  explicit THostServices(TModuleSource currentModule) : FCurrentModule(std::move(currentModule)) {}

  vcl::TIntfRef<Toolsapi::IOTAModule> CurrentModule() override { return FCurrentModule(); }
  Toolsapi::TBindingHandle AddKeyboardBinding(Toolsapi::IOTAKeyboardBinding* KeyBinding) override;
  void RemoveKeyboardBinding(Toolsapi::TBindingHandle Handle) override;

  // Host side.
  void AddKey(TBoundKey key) { FKeys.push_back(std::move(key)); }
  const std::vector<TBoundKey>& Keys() const { return FKeys; }
  // Calls the procedure of Keys()[index]; true when it handled the key.
  bool Press(size_t index);
  bool HoldsPackageReferences() const { return !FBindings.empty() || !FKeys.empty(); }
  // Lets go of every binding and key the package left behind; call it while the package is loaded.
  void DropPackageReferences();

 private:
  struct TRegistration {
    Toolsapi::TBindingHandle Handle;
    vcl::TIntfRef<Toolsapi::IOTAKeyboardBinding> Binding;
  };
  TModuleSource FCurrentModule;
  std::vector<TRegistration> FBindings;
  std::vector<TBoundKey> FKeys;
  Toolsapi::TBindingHandle FNextHandle = 1;
};

}  // namespace geanyhost
