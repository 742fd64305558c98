#pragma once
// The package's face to the host: the keyboard binding for Ctrl+Alt+arrows and its registration.

#include <string>

#include <korvex50/Toolsapi.h>

namespace KorvexOTA50 {

// Ctrl+Alt+Up/Down jump to the previous/next occurrence of the identifier at the caret and remember
// it; Ctrl+Alt+Left/Right jump to the previous/next occurrence of the remembered one. Nothing found:
// a beep. Owned by the host's references from AddKeyboardBinding on.
class TKorvexBinding final : public Toolsapi::TNotifierObject<Toolsapi::IOTAKeyboardBinding> {
 public:
  Toolsapi::TBindingType GetBindingType() override;
  std::string GetDisplayName() override;
  std::string GetName() override;
  // Binds the four combinations, in the order of the key table, to KeyProc.
  void BindKeyboard(Toolsapi::IOTAKeyBindingServices* BindingServices) override;

  // Handles one press: not handled without a source editor and view, otherwise handled (moved or beeped).
  void KeyProc(Toolsapi::IOTAKeyContext* Context, vcl::TShortCut KeyCode, Toolsapi::TKeyBindingResult& BindingResult);

 private:
  ~TKorvexBinding() override = default;
  std::string FLastIdent;
};

// Adds one TKorvexBinding to the host's keyboard services (reached from BorlandIDEServices; raises
// EIntfCastError without them) and keeps the registration's handle for UnregisterBindings.
void Register();

// Removes every binding Register added from the host, so no host reference points into the package
// once its code is gone. Host errors pass through; the handles are forgotten either way.
void UnregisterBindings();

}  // namespace KorvexOTA50
