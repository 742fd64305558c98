#pragma once
// The conversion context: what the readers of one conversion share, in an object the caller owns and passes on.
// Conversions with different contexts may run at once, in different threads; one context serves one conversion at
// a time.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "pmrconv/HtmlOutput.h"
#include "pmrconv/UnicodeText.h"

namespace pmrconv {

// A font-table slot.
struct font {
  std::string name;
  int32_t number = 0;
  int32_t charset = -1;  // \fcharsetN, -1 when the font names none
};

constexpr size_t kFontSlots = 201;
using TFontTable = std::array<font, kFontSlots>;

struct TConversionContext {
  // Kept from one conversion to the next, as long as the caller keeps the context: each table read overwrites
  // slots from slot 0 upward. A new context starts with empty names and number 0 in every slot.
  TFontTable FontTable{};
  std::vector<std::string> ColourTable;  // #RRGGBB of the current document, index 0 first
  bool HiddenText = false;               // \v in force: plain text characters are dropped
  bool BookmarkParagraph = false;        // a <P> was written for a bookmark since the last \par or \sect
  THtmlOutput Output;                    // the line buffer and the sink of the conversion under way
  TUnicodeText* Unicode = nullptr;       // the text of a UTF-8 page during its conversion; nullptr otherwise
  TUnicodeText UnicodeText;              // keeps its code page tables from one conversion to the next
};

}  // namespace pmrconv
