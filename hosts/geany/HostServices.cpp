#include "HostServices.h"

#include <algorithm>

namespace geanyhost {
namespace {

class TKeyContext final : public vcl::TInterfacedObject<Toolsapi::IOTAKeyContext> {
 public:
  explicit TKeyContext(Toolsapi::TKeyBindingContext context) : FContext(context) {}
  Toolsapi::TKeyBindingContext GetContext() override { return FContext; }

 private:
  Toolsapi::TKeyBindingContext FContext;
};

// Handed to a binding's BindKeyboard; files its keys under the binding's registration.
class TKeyBindingServices final : public vcl::TInterfacedObject<Toolsapi::IOTAKeyBindingServices> {
 public:
  TKeyBindingServices(THostServices& services, Toolsapi::TBindingHandle owner, std::string bindingName)
      : FServices(services), FOwner(owner), FBindingName(std::move(bindingName)) {}
  void AddKeyBinding(std::span<const vcl::TShortCut> Keys, Toolsapi::TKeyBindingProc KeyProc,
                     Toolsapi::TKeyBindingContext Context, int32_t /*Flags*/, const std::string& /*Keyboard*/,
                     const std::string& /*MenuItemName*/) override {
    // The editor binds single key combinations only; a sequence of several keys is not offered.
    if (Keys.size() != 1 || !KeyProc) return;
    FServices.AddKey(TBoundKey{FOwner, Keys.front(), std::move(KeyProc), Context, FBindingName});
  }

 private:
  THostServices& FServices;
  Toolsapi::TBindingHandle FOwner;
  std::string FBindingName;
};

}  // namespace

Toolsapi::TBindingHandle THostServices::AddKeyboardBinding(Toolsapi::IOTAKeyboardBinding* KeyBinding) {
  if (KeyBinding == nullptr) return 0;
  const Toolsapi::TBindingHandle handle = FNextHandle++;
  FBindings.push_back({handle, vcl::TIntfRef<Toolsapi::IOTAKeyboardBinding>(KeyBinding)});
  try {
    const vcl::TIntfRef<TKeyBindingServices> keyServices(new TKeyBindingServices(*this, handle, KeyBinding->GetDisplayName()));
    KeyBinding->BindKeyboard(keyServices.Get());
  } catch (...) {
    RemoveKeyboardBinding(handle);
    throw;
  }
  return handle;
}

void THostServices::RemoveKeyboardBinding(Toolsapi::TBindingHandle Handle) {
  std::erase_if(FKeys, [&](const TBoundKey& key) { return key.Owner == Handle; });
  // Taken out of the list before the reference goes: the binding's destructor may call back.
  std::vector<TRegistration> removed;
  for (auto it = FBindings.begin(); it != FBindings.end();) {
    if (it->Handle == Handle) {
      removed.push_back(std::move(*it));
      it = FBindings.erase(it);
    } else {
      ++it;
    }
  }
}

bool THostServices::Press(size_t index) {
  if (index >= FKeys.size()) return false;
  // Copied: the procedure may change the key list.
  const TBoundKey key = FKeys[index];
  const vcl::TIntfRef<Toolsapi::IOTAKeyContext> context(new TKeyContext(key.Context));
  Toolsapi::TKeyBindingResult result = Toolsapi::krUnhandled;
  key.Proc(context.Get(), key.ShortCut, result);
  return result == Toolsapi::krHandled;
}

void THostServices::DropPackageReferences() {
  FKeys.clear();
  std::vector<TRegistration> bindings;
  bindings.swap(FBindings);
}

}  // namespace geanyhost
