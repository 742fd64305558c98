#include "pmrconv/Destinations.h"

#include <algorithm>
#include <array>
#include <cstdint>

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

// The placeholder written for a skipped picture.
constexpr std::string_view kPicturePlaceholder = "<P>[*** picture ***]<P>";

}  // namespace

bool IsSkippedDestinationInTable(std::string_view Word) {
  if (!kTableDestinationShapes.Holds(Word)) return false;
  return std::find(kTableDestinations.begin(), kTableDestinations.end(), Word) != kTableDestinations.end();
}

bool IsSkippedDestination(std::string_view Word) {
  if (!kDestinationShapes.Holds(Word)) return false;
  return Word == "info" || Word == "stylesheet" || IsSkippedDestinationInTable(Word);
}

std::string_view SkipDestination(TRtfScanner& Scanner, std::string_view Word) {
  const bool picture = Word == "pict";  // Word lives in the working line, which the skip replaces
  Scanner.SkipGroup();
  return picture ? kPicturePlaceholder : std::string_view();
}

}  // namespace pmrconv
