#pragma once
// The document's font and colour tables: reading them into the conversion context and answering look-ups.

#include <cstdint>
#include <string>
#include <string_view>

#include "pmrconv/Context.h"
#include "pmrconv/LineSource.h"
#include "pmrconv/WorkingLine.h"

namespace pmrconv {

// Reads the \fonttbl group into FontTable, from slot 0 upward, from position From of the working line on (right
// after the keyword, or 0 when the keyword ended the previous line); fonts past the last slot are read over and not
// kept. The working line is then left at the "}" that closes the group (or at a paragraph word, for a table
// without its closing brace), or empty when the input ended first.
void ReadFontTable(TLineSource& Source, TWorkingLine& Line, size_t From);

// Reads the \colortbl group from From on into ColourTable, up to the group's own "}" (an empty first entry gives
// "#000000"), and leaves the working line at that "}", or empty when the input ended first.
void ReadColourTable(TLineSource& Source, TWorkingLine& Line, size_t From);

// The name of the first slot whose number is N; otherwise N becomes slot 200's number and its name is returned.
std::string FontFace(int32_t& N);
// The slot itself, found as FontFace finds it.
const font& FontSlot(int32_t& N);

// "#RRGGBB" from the first "red", "green" and "blue" of Entry and the digits right after each (0 when there are
// none or they do not convert, 255 when the value is larger).
std::string ColourToHtml(std::string_view Entry);

// Two upper-case hexadecimal digits for V, clamped to 0 to 255.
std::string ByteToHex(int32_t V);

}  // namespace pmrconv
