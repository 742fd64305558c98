#include "HostServices.h"

#include <algorithm>

namespace testhost {

TKeyBindingContext THostKeyContext::GetContext() {
  Enter("GetContext");
  return FContext;
}

void THostKeyBindingServices::AddKeyBinding(std::span<const vcl::TShortCut> Keys, Toolsapi::TKeyBindingProc KeyProc,
                                            TKeyBindingContext Context, int32_t Flags, const std::string& Keyboard,
                                            const std::string& MenuItemName) {
  Enter("AddKeyBinding");
  FServices.AddKey(TKeyBinding{FOwner, std::vector<vcl::TShortCut>(Keys.begin(), Keys.end()), std::move(KeyProc),
                               Context, Flags, Keyboard, MenuItemName});
}

vcl::HResult THostServices::QueryInterface(const vcl::TGUID& Iid, void** Obj) noexcept {
  if ((!OfferModuleServices && Iid == Toolsapi::IOTAModuleServices::IID) ||
      (!OfferKeyboardServices && Iid == Toolsapi::IOTAKeyboardServices::IID)) {
    if (Obj != nullptr) *Obj = nullptr;
    return vcl::E_NOINTERFACE;
  }
  return THostObject::QueryInterface(Iid, Obj);
}

TIntfRef<Toolsapi::IOTAModule> THostServices::CurrentModule() {
  Enter("CurrentModule");
  return FCurrentModule;
}

TBindingHandle THostServices::AddKeyboardBinding(Toolsapi::IOTAKeyboardBinding* KeyBinding) {
  Enter("AddKeyboardBinding");
  TRegistration registration{FNextHandle++, TIntfRef<Toolsapi::IOTAKeyboardBinding>(KeyBinding),
                             KeyBinding->GetBindingType(), KeyBinding->GetDisplayName(), KeyBinding->GetName()};
  const TIntfRef<THostKeyBindingServices> keyServices(new THostKeyBindingServices(*this, registration.Handle));
  try {
    KeyBinding->BindKeyboard(keyServices.Get());
  } catch (...) {
    std::erase_if(FKeys, [&](const TKeyBinding& key) { return key.Owner == registration.Handle; });
    throw;
  }
  FRegistrations.push_back(std::move(registration));
  return FRegistrations.back().Handle;
}

void THostServices::RemoveKeyboardBinding(TBindingHandle Handle) {
  Enter("RemoveKeyboardBinding");
  std::erase_if(FKeys, [&](const TKeyBinding& key) { return key.Owner == Handle; });
  const auto found = std::find_if(FRegistrations.begin(), FRegistrations.end(),
                                  [&](const TRegistration& registration) { return registration.Handle == Handle; });
  if (found == FRegistrations.end()) return;
  Toolsapi::IOTAKeyboardBinding* binding = found->Binding.Detach();
  FRegistrations.erase(found);
  FLastReleasedCount = binding->_Release();  // released by hand to see whether the binding went away
}

std::optional<uint8_t> THostServices::PressKey(vcl::TShortCut shortcut) {
  const auto bound = std::find_if(FKeys.begin(), FKeys.end(), [&](const TKeyBinding& key) {
    return std::find(key.Keys.begin(), key.Keys.end(), shortcut) != key.Keys.end();
  });
  if (bound == FKeys.end()) return std::nullopt;
  const Toolsapi::TKeyBindingProc keyProc = bound->KeyProc;  // the handler may change the key list
  const TIntfRef<THostKeyContext> context(new THostKeyContext(bound->Context));
  auto result = static_cast<TKeyBindingResult>(kResultNotSet);
  keyProc(context.Get(), shortcut, result);
  return static_cast<uint8_t>(result);
}

}  // namespace testhost
