#pragma once
// The four key combinations the Korvex50 package binds, as the shortcut values a host dispatches
// (ShortCut of the arrow key with Ctrl and Alt), in the order the package registers them.

#include "ShortCut.h"

namespace korvex50 {

constexpr vcl::TShortCut kPreviousIdentAtCaret = 0xC026;  // Ctrl+Alt+Up
constexpr vcl::TShortCut kNextIdentAtCaret = 0xC028;      // Ctrl+Alt+Down
constexpr vcl::TShortCut kPreviousLastIdent = 0xC025;     // Ctrl+Alt+Left: the remembered identifier
constexpr vcl::TShortCut kNextLastIdent = 0xC027;         // Ctrl+Alt+Right: the remembered identifier

constexpr vcl::TShortCut kKeys[] = {kPreviousIdentAtCaret, kNextIdentAtCaret, kPreviousLastIdent,
                                    kNextLastIdent};

// The package library's file name; vcl::PackageBesideRuntime finds the installed one.
#if defined(_WIN32)
constexpr const char* kPackageFileName = "Korvex50.dll";
#else
constexpr const char* kPackageFileName = "Korvex50.so";
#endif

// The keyboard binding's name, as the host's keyboard services see it.
constexpr const char* kBindingName = "Tobrel.Korvex.1";

}  // namespace korvex50
