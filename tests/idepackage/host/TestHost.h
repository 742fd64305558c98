#pragma once
// The test host: sets BorlandIDEServices to its services object while it lives, counts beeps, and
// keeps the modules it opens.

#include <cstdint>
#include <string>
#include <vector>

#include "HostEditors.h"
#include "HostServices.h"
#include <korvex50/User32.h>

namespace testhost {

// Shortcut values of the four combinations, as a user presses them.
constexpr vcl::TShortCut kCtrlAltUp = 0xC026;
constexpr vcl::TShortCut kCtrlAltDown = 0xC028;
constexpr vcl::TShortCut kCtrlAltLeft = 0xC025;
constexpr vcl::TShortCut kCtrlAltRight = 0xC027;

class THost {
 public:
  THost();
  ~THost();
  THost(const THost&) = delete;
  THost& operator=(const THost&) = delete;

  THostServices& Services() { return *FServices; }
  // A new module, kept by the host; not yet current.
  THostModule* AddModule();
  void SetCurrentModule(THostModule* module);
  // Opens text in a new current module whose first file editor is a form and whose second is the
  // source editor, with that many views.
  THostSourceEditor* OpenSource(std::string text, int views = 1);

  std::optional<uint8_t> PressKey(vcl::TShortCut shortcut) { return FServices->PressKey(shortcut); }
  const std::vector<uint32_t>& Beeps() const { return FBeeps; }

 private:
  TIntfRef<THostServices> FServices;
  std::vector<TIntfRef<THostModule>> FModules;
  std::vector<uint32_t> FBeeps;
  Windows::TMessageBeepHook FPreviousBeepHook;
};

}  // namespace testhost
