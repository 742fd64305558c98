#pragma once
// Editor access through the host's tools interface: the current module's source editor and its
// first view, the editor's whole text with the caret position, and moving the caret. Every host
// reference taken is released before returning, also when a host call raises.

#include <cstdint>
#include <string>
#include <string_view>

#include <korvex50/Toolsapi.h>

namespace KorvexOTAUtils {

// The editor text is read in chunks of this many characters.
constexpr int32_t kReadChunk = 16000;

// The first source editor among the current module's file editors, into SourceEditor (cleared
// first; the caller owns what it holds). Raises when the host has no module services.
bool OTUGetCurrentSourceEditor(vcl::TIntfRef<Toolsapi::IOTASourceEditor>& SourceEditor);

// The current source editor's first view, into EditView (cleared first; owned by the caller).
bool OTUGetCurrentEditView(vcl::TIntfRef<Toolsapi::IOTAEditView>& EditView);

// The current source editor's whole text. With a view, Pos is the caret's 1-based text position and
// Line and CharIndex its character position; otherwise Pos is 0 and Line and CharIndex stay as they
// were (no source editor: the text is empty too).
std::string OTUGetCurrentSource(int32_t& Pos, int32_t& Line, int32_t& CharIndex);

// Moves the first view's caret to the 1-based position Pos of Text (as OTUGetCurrentSource read
// it), keeps the caret's screen row and scrolls the view fully left. Does nothing without a view.
void OTUSetCurrentSourcePosition(std::string_view Text, int32_t Pos);

}  // namespace KorvexOTAUtils
