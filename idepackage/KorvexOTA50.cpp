#include "KorvexOTA50.h"

#include <array>
#include <exception>
#include <utility>
#include <vector>

#include "KorvexOTAUtils.h"
#include "KorvexUtils.h"
#include "SystemBeep.h"
#include <korvex50/User32.h>

namespace KorvexOTA50 {
namespace {

using Toolsapi::TBindingHandle;

// Which identifier a combination searches for, and in which direction.
enum class TSearchFor { IdentAtCaret, LastIdent };

struct TKorvexKey {
  uint16_t KeyCode;
  bool Backward;
  TSearchFor Search;
};

// Registered in this order; the key code is also the context value the host hands back.
constexpr std::array<TKorvexKey, 4> kKeys{{
    {Windows::VK_UP, true, TSearchFor::IdentAtCaret},
    {Windows::VK_DOWN, false, TSearchFor::IdentAtCaret},
    {Windows::VK_LEFT, true, TSearchFor::LastIdent},
    {Windows::VK_RIGHT, false, TSearchFor::LastIdent},
}};

constexpr uint32_t kSimpleBeep = 0xFFFFFFFF;

const TKorvexKey* FindKey(Toolsapi::TKeyBindingContext keyCode) {
  for (const TKorvexKey& key : kKeys) {
    if (key.KeyCode == keyCode) return &key;
  }
  return nullptr;
}

// Handles of the registrations made by Register. Whatever is still registered when the package's
// statics go (unload without Finalize) is removed then; errors cannot leave a destructor.
class TRegistrations {
 public:
  TRegistrations() = default;
  TRegistrations(const TRegistrations&) = delete;
  TRegistrations& operator=(const TRegistrations&) = delete;
  ~TRegistrations() {
    try {
      RemoveAll();
    } catch (...) {
    }
  }

  void Add(Toolsapi::IOTAKeyboardServices& services, Toolsapi::IOTAKeyboardBinding* binding) {
    FHandles.reserve(FHandles.size() + 1);  // no allocation can fail once the host holds the binding
    FHandles.push_back(services.AddKeyboardBinding(binding));
  }

  void RemoveAll() {
    std::vector<TBindingHandle> handles;
    handles.swap(FHandles);
    if (handles.empty()) return;
    // Without keyboard services the host has nothing left that could point into the package.
    const auto services = vcl::Supports<Toolsapi::IOTAKeyboardServices>(Toolsapi::BorlandIDEServices);
    if (!services) return;
    // Every handle gets its removal even when one fails; the first error is passed on afterwards.
    std::exception_ptr firstError;
    for (const TBindingHandle handle : handles) {
      try {
        services->RemoveKeyboardBinding(handle);
      } catch (...) {
        if (!firstError) firstError = std::current_exception();
      }
    }
    if (firstError) std::rethrow_exception(firstError);
  }

 private:
  std::vector<TBindingHandle> FHandles;
};

TRegistrations gRegistrations;

}  // namespace

Toolsapi::TBindingType TKorvexBinding::GetBindingType() { return Toolsapi::btPartial; }

std::string TKorvexBinding::GetDisplayName() { return "Korvex /CTRL-ALT-(Arrows)/"; }

std::string TKorvexBinding::GetName() { return "Tobrel.Korvex.1"; }

void TKorvexBinding::BindKeyboard(Toolsapi::IOTAKeyBindingServices* BindingServices) {
  if (BindingServices == nullptr) return;
  for (const TKorvexKey& key : kKeys) {
    const std::array<vcl::TShortCut, 1> shortCut{vcl::ShortCut(key.KeyCode, {vcl::ssCtrl, vcl::ssAlt})};
    BindingServices->AddKeyBinding(
        shortCut,
        [this](Toolsapi::IOTAKeyContext* context, vcl::TShortCut keyCode, Toolsapi::TKeyBindingResult& result) {
          KeyProc(context, keyCode, result);
        },
        key.KeyCode, 0, std::string(), std::string());
  }
}

void TKorvexBinding::KeyProc(Toolsapi::IOTAKeyContext* Context, vcl::TShortCut /*KeyCode*/,
                             Toolsapi::TKeyBindingResult& BindingResult) {
  int32_t pos = 0;
  int32_t line = 0;
  int32_t charIndex = 0;
  const std::string text = KorvexOTAUtils::OTUGetCurrentSource(pos, line, charIndex);
  if (pos == 0) {  // no source editor, or none with a view: the host goes on with the key
    BindingResult = Toolsapi::krUnhandled;
    return;
  }

  const TKorvexKey* key = Context != nullptr ? FindKey(Context->GetContext()) : nullptr;
  bool found = false;
  int32_t foundPos = 0;
  if (key != nullptr && key->Search == TSearchFor::IdentAtCaret) {
    int32_t len = 0;
    std::string ident;
    found = KorvexUtils::FindIdentAtPos(text, pos, key->Backward, foundPos, len, ident);
    if (found) FLastIdent = std::move(ident);
  } else if (key != nullptr && !FLastIdent.empty()) {
    found = KorvexUtils::FindTextIdent(FLastIdent, text, pos, key->Backward, foundPos);
  }

  if (found) {
    KorvexOTAUtils::OTUSetCurrentSourcePosition(text, foundPos);
  } else {
    SystemBeep(kSimpleBeep);
  }
  BindingResult = Toolsapi::krHandled;
}

void Register() {
  const vcl::TIntfRef<Toolsapi::IOTAKeyboardBinding> binding(new TKorvexBinding);
  const auto services = vcl::As<Toolsapi::IOTAKeyboardServices>(Toolsapi::BorlandIDEServices);
  gRegistrations.Add(*services, binding.Get());
}

void UnregisterBindings() { gRegistrations.RemoveAll(); }

}  // namespace KorvexOTA50
