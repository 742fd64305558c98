#pragma once
// The document's font and colour tables: reading them into the conversion context and answering look-ups.

#include <cstdint>
#include <string>
#include <string_view>

#include "pmrconv/Context.h"
#include "pmrconv/RtfScanner.h"

namespace pmrconv {

// Reads the \fonttbl group into the context's FontTable, from slot 0 upward, from the scanner's position on (right
// after the keyword, or the start of the next line when the keyword ended its line); fonts past the last slot are
// read over and not kept. The scan is then left at the "}" that closes the group (or at a paragraph word, for a
// table without its closing brace), or at the end of the input.
void ReadFontTable(TConversionContext& Context, TRtfScanner& Scanner);

// Reads the \colortbl group from the scanner's position on into the context's ColourTable, up to the group's own
// "}" (an empty first entry gives "#000000"), and leaves the scan at that "}", or at the end of the input.
void ReadColourTable(TConversionContext& Context, TRtfScanner& Scanner);

// The name of the first slot whose number is N; otherwise N becomes slot 200's number and its name is returned.
std::string FontFace(const TFontTable& Fonts, int32_t& N);
// The slot itself, found as FontFace finds it.
const font& FontSlot(const TFontTable& Fonts, int32_t& N);

// "#RRGGBB" from the first "red", "green" and "blue" of Entry and the digits right after each (0 when there are
// none or they do not convert, 255 when the value is larger).
std::string ColourToHtml(std::string_view Entry);

// Two upper-case hexadecimal digits for V, clamped to 0 to 255.
std::string ByteToHex(int32_t V);

}  // namespace pmrconv
