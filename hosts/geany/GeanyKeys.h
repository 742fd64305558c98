#pragma once
// How a key the package binds appears among Geany's keybindings: its default key combination in
// GDK's terms, the name it is kept under in Geany's keybindings file, and its label in Preferences.

#include <gdk/gdk.h>
#include <korvex50/ShortCut.h>

#include <string>

namespace geanyhost {

struct TGeanyKey {
  guint KeyVal;  // 0 when the key has no GDK counterpart here: the user may still bind one
  GdkModifierType Mods;
  std::string Name;
  std::string Label;
};

// The Geany keybinding for shortcut, bound by the package under displayName.
TGeanyKey GeanyKeyFor(vcl::TShortCut shortcut, const std::string& displayName);

}  // namespace geanyhost
