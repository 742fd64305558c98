#pragma once
// The process-wide conversion context shared by the readers. Only one conversion runs at a time.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "pmrconv/UnicodeText.h"

namespace pmrconv {

class TPageSink;

// A font-table slot.
struct font {
  std::string name;
  int32_t number = 0;
  int32_t charset = -1;  // \fcharsetN, -1 when the font names none
};

constexpr size_t kFontSlots = 201;

struct TConversionContext {
  std::string LineBuffer;                     // HTML not yet written; cleared when a conversion starts
  std::vector<std::string> ColourTable;       // #RRGGBB of the current document, index 0 first
  std::array<font, kFontSlots> FontTable{};   // kept for the whole process; each table read overwrites from slot 0
  bool HiddenText = false;                    // \v in force: plain text characters are dropped
  bool BookmarkParagraph = false;             // a <P> was written for a bookmark since the last \par or \sect
  TPageSink* Sink = nullptr;                  // where EmitHtml writes its lines during a conversion
  TUnicodeText* Unicode = nullptr;            // the text of a UTF-8 page during its conversion; nullptr otherwise
  TUnicodeText UnicodeText;                   // keeps its code page tables from one conversion to the next
};

// The one context of the process (inline: the readers ask for it at every piece of output).
inline TConversionContext& Context() {
  static TConversionContext context;
  return context;
}

}  // namespace pmrconv
