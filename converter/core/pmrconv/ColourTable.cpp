#include "pmrconv/FontColourTables.h"

#include <algorithm>

#include "pmrconv/Errors.h"
#include "pmrconv/RtfSyntax.h"

namespace pmrconv {

namespace {

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

}  // namespace

void ReadColourTable(TConversionContext& Context, TRtfScanner& Scanner) {
  std::vector<std::string>& table = Context.ColourTable;
  bool first = true;
  std::string_view entry;
  // The entries end at the table's own "}", whatever else the lines hold; line ends between them are no text.
  while (Scanner.TakeEntry(entry)) {
    // Only a first empty entry is the automatic colour; a later one takes no index.
    if (entry.find('\\') != std::string_view::npos) {
      table.push_back(ColourToHtml(entry));
    } else if (first) {
      table.push_back("#000000");
    }
    first = false;
  }
  Scanner.HandBack();
}

std::string ColourToHtml(std::string_view Entry) {
  auto component = [Entry](std::string_view Keyword) -> int32_t {
    const size_t at = Entry.find(Keyword);
    if (at == std::string_view::npos) return 0;
    size_t end = at + Keyword.size();
    while (end < Entry.size() && IsDigit(Entry[end])) ++end;
    const std::string_view digits = Entry.substr(at + Keyword.size(), end - at - Keyword.size());
    try {
      return digits.empty() ? 0 : StrToInt(digits);
    } catch (const EConvertError&) {
      return 0;
    }
  };
  std::string html = "#";
  html.append(ByteToHex(component("red")));
  html.append(ByteToHex(component("green")));
  html.append(ByteToHex(component("blue")));
  return html;
}

std::string ByteToHex(int32_t V) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  const int32_t v = std::clamp(V, 0, 255);
  return {kDigits[v >> 4], kDigits[v & 15]};
}

}  // namespace pmrconv
