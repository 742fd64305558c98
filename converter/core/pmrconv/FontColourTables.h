#pragma once
// The document's font and colour tables: reading them into the conversion context and answering look-ups.

#include <cstdint>
#include <string>
#include <string_view>

#include "pmrconv/LineSource.h"
#include "pmrconv/WorkingLine.h"

namespace pmrconv {

// Reads the \fonttbl group from the working line (which holds the keyword, or the line after it when the keyword
// ended the previous line) into FontTable, from slot 0 upward; fonts past the last slot are read over and not kept.
// After a complete table the working line starts with the "}" that closes the group; after an early stop it is
// left where the stop found it, for the group reader to read as ordinary RTF.
void ReadFontTable(TLineSource& Source, TWorkingLine& Line);

// Reads the \colortbl group into ColourTable (an empty first entry gives "#000000"). Reads no entry when the working
// line holds "\par". Afterwards the working line starts with the text after the last ";" read.
void ReadColourTable(TLineSource& Source, TWorkingLine& Line);

// The name of the first slot whose number is N; otherwise N becomes slot 200's number and its name is returned.
std::string FontFace(int32_t& N);

// "#RRGGBB" from the first "red", "green" and "blue" of Entry and the digits right after each (0 when there are
// none or they do not convert, 255 when the value is larger).
std::string ColourToHtml(std::string_view Entry);

// Two upper-case hexadecimal digits for V, clamped to 0 to 255.
std::string ByteToHex(int32_t V);

}  // namespace pmrconv
