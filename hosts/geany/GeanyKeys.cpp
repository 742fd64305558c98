#include "GeanyKeys.h"

#include <korvex50/KorvexKeys.h>

#include <array>
#include <cstdio>

namespace geanyhost {
namespace {

constexpr vcl::TShortCut kShiftBit = 0x2000;
constexpr vcl::TShortCut kCtrlBit = 0x4000;
constexpr vcl::TShortCut kAltBit = 0x8000;

// The package's own four keys by name, so Preferences says what each does.
struct TKnownKey {
  vcl::TShortCut ShortCut;
  const char* Name;
  const char* Label;
};
constexpr std::array<TKnownKey, 4> kKnownKeys{{
    {korvex50::kPreviousIdentAtCaret, "previous_occurrence", "Previous occurrence of the identifier at the caret"},
    {korvex50::kNextIdentAtCaret, "next_occurrence", "Next occurrence of the identifier at the caret"},
    {korvex50::kPreviousLastIdent, "previous_remembered", "Previous occurrence of the remembered identifier"},
    {korvex50::kNextLastIdent, "next_remembered", "Next occurrence of the remembered identifier"},
}};

struct TVirtualKey {
  uint8_t Code;
  guint KeyVal;
};
constexpr std::array<TVirtualKey, 10> kNamedKeys{{
    {0x08, GDK_KEY_BackSpace}, {0x09, GDK_KEY_Tab}, {0x0D, GDK_KEY_Return}, {0x20, GDK_KEY_space},
    {0x21, GDK_KEY_Page_Up}, {0x22, GDK_KEY_Page_Down}, {0x23, GDK_KEY_End}, {0x24, GDK_KEY_Home},
    {0x2D, GDK_KEY_Insert}, {0x2E, GDK_KEY_Delete},
}};

guint KeyValOf(uint8_t code) {
  if (code >= 0x25 && code <= 0x28) {
    constexpr std::array<guint, 4> kArrows{GDK_KEY_Left, GDK_KEY_Up, GDK_KEY_Right, GDK_KEY_Down};
    return kArrows[code - 0x25u];
  }
  if (code >= '0' && code <= '9') return GDK_KEY_0 + (code - '0');
  if (code >= 'A' && code <= 'Z') return GDK_KEY_a + (code - 'A');  // Geany keeps key values in lower case
  if (code >= 0x70 && code <= 0x7B) return GDK_KEY_F1 + (code - 0x70u);
  for (const TVirtualKey& key : kNamedKeys) {
    if (key.Code == code) return key.KeyVal;
  }
  return 0;
}

}  // namespace

TGeanyKey GeanyKeyFor(vcl::TShortCut shortcut, const std::string& displayName) {
  TGeanyKey key{KeyValOf(static_cast<uint8_t>(shortcut & 0xFF)), static_cast<GdkModifierType>(0), {}, {}};
  if (shortcut & kShiftBit) key.Mods = static_cast<GdkModifierType>(key.Mods | GDK_SHIFT_MASK);
  if (shortcut & kCtrlBit) key.Mods = static_cast<GdkModifierType>(key.Mods | GDK_CONTROL_MASK);
  if (shortcut & kAltBit) key.Mods = static_cast<GdkModifierType>(key.Mods | GDK_MOD1_MASK);
  for (const TKnownKey& known : kKnownKeys) {
    if (known.ShortCut == shortcut) {
      key.Name = known.Name;
      key.Label = known.Label;
      return key;
    }
  }
  char name[16];
  std::snprintf(name, sizeof name, "key_%04X", static_cast<unsigned>(shortcut));
  key.Name = name;
  key.Label = displayName + " " + name;
  return key;
}

}  // namespace geanyhost
