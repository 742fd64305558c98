#include "pmrconv/RtfSyntax.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "pmrconv/Errors.h"
#include "pmrconv/HtmlOutput.h"

namespace pmrconv {

namespace {

constexpr std::array<std::string_view, 21> kTableDestinations = {
    "bkmkstart",  "bkmkend",  "filetbl",           "footer",    "footerf", "footnote", "header",
    "headerf",    "levelnumbers", "leveltext",     "list",      "listlevel", "listname", "listoverridetable",
    "listtable",  "pict",     "pntxtb",            "pntxta",    "revtbl",  "sp",       "template"};

// First letter and length of each destination word: nearly every control word is told apart from all of them by
// these two alone, before any text is compared.
class TWordShapes {
public:
  template <size_t N>
  constexpr explicit TWordShapes(const std::array<std::string_view, N>& Words) {
    for (std::string_view w : Words) Add(w);
  }
  constexpr void Add(std::string_view Word) {
    FLengths[static_cast<size_t>(Word[0] - 'a')] |= uint32_t{1} << Word.size();
  }
  constexpr bool Holds(std::string_view Word) const {
    if (Word.empty() || Word[0] < 'a' || Word[0] > 'z' || Word.size() >= 32) return false;
    return (FLengths[static_cast<size_t>(Word[0] - 'a')] >> Word.size() & 1) != 0;
  }

private:
  std::array<uint32_t, 26> FLengths{};
};

constexpr TWordShapes kTableDestinationShapes(kTableDestinations);

constexpr TWordShapes MakeDestinationShapes() {
  TWordShapes shapes(kTableDestinations);
  shapes.Add("info");
  shapes.Add("stylesheet");
  return shapes;
}

constexpr TWordShapes kDestinationShapes = MakeDestinationShapes();

struct TNamedCode {
  std::string_view Code;
  std::string_view Html;
};

constexpr std::array<TNamedCode, 8> kNamedCodes = {{{"c4", "&Auml;"},
                                                    {"d6", "&Ouml;"},
                                                    {"dc", "&Uuml;"},
                                                    {"e4", "&auml;"},
                                                    {"f6", "&ouml;"},
                                                    {"fc", "&uuml;"},
                                                    {"df", "&szlig;"},
                                                    {"b7", "&middot;"}}};

}  // namespace

int HexToByte(std::string_view X) {
  int result = 0;
  for (size_t k = 0; k < 2; ++k) {
    if (k >= X.size()) StrToInt({});
    const char c = X[k];
    int digit;
    if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else {
      digit = StrToInt(std::string_view(&c, 1));
    }
    result = result * 16 + digit;
  }
  return result;
}

std::string CharacterCode(std::string_view X) {
  if (X.size() == 2) {
    for (const TNamedCode& named : kNamedCodes) {
      if (X[0] == named.Code[0] && X[1] == named.Code[1]) return std::string(named.Html);
    }
  }
  const char byte = static_cast<char>(HexToByte(X));
  std::string html;
  AppendEscapedText(html, std::string_view(&byte, 1));
  return html;
}

bool IsSkippedDestinationInTable(std::string_view Word) {
  if (!kTableDestinationShapes.Holds(Word)) return false;
  return std::find(kTableDestinations.begin(), kTableDestinations.end(), Word) != kTableDestinations.end();
}

bool IsSkippedDestination(std::string_view Word) {
  if (!kDestinationShapes.Holds(Word)) return false;
  return Word == "info" || Word == "stylesheet" || IsSkippedDestinationInTable(Word);
}

}  // namespace pmrconv
