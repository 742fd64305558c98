#include "pmrconv/FontColourTables.h"

#include <algorithm>

#include "pmrconv/Context.h"
#include "pmrconv/Errors.h"
#include "pmrconv/RtfSyntax.h"

namespace pmrconv {

namespace {

constexpr size_t npos = TWorkingLine::npos;

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

// Joins lines while the working line is at most 4 characters long, so that a short remainder such as ";}" at the
// end of a line is read together with what follows.
void JoinShortRemainder(TLineSource& Source, TWorkingLine& Line) {
  while (Line.Length() <= 4 && !Source.Eof()) Line.AppendNext(Source);
}

// Where the face name begins. Word writes the blank that would mark it after the first keyword
// ("{\f0\fbidi \froman\fcharset0{\*\panose ...}Times New Roman;}"), so further keywords and embedded groups
// that stand before the entry's ";" are passed over too; otherwise every such font would get an empty name.
size_t NameStart(TWorkingLine& Line, size_t From) {
  const size_t semicolon = Line.Find(TNeedle::Semicolon, From);
  if (semicolon == npos) return From;
  size_t i = From;
  while (i < semicolon) {
    if (Line[i] == '\\' && i + 1 < semicolon && Line[i + 1] >= 'a' && Line[i + 1] <= 'z') {
      i = WordEnd(Line, i + 1);
      if (i < semicolon && Line[i] == ' ') ++i;
    } else if (Line[i] == '{') {
      const size_t close = Line.Find(TNeedle::CloseBrace, i);
      if (close == npos || close >= semicolon) return From;
      i = close + 1;
    } else {
      break;
    }
  }
  return i;
}

// The "}" that closes the current entry: the first one that does not close a group embedded in the entry (such as
// {\*\panose ...} or {\*\falt ...} after the name). Taking simply the first "}" would take an embedded group's
// brace for the entry's, and the "{" of a later embedded group for the next entry, ending the table early.
size_t EntryEnd(TWorkingLine& Line) {
  size_t from = 0;
  for (;;) {
    const size_t close = Line.Find(TNeedle::CloseBrace, from);
    if (close == npos) return npos;
    const size_t open = Line.Find(TNeedle::OpenBrace, from);
    if (open == npos || open > close) return close;
    from = close + 1;
  }
}

}  // namespace

void ReadFontTable(TLineSource& Source, TWorkingLine& Line) {
  std::array<font, kFontSlots>& slots = Context().FontTable;
  const size_t keyword = Line.Find(TNeedle::Fonttbl, 0);
  size_t from = keyword == npos ? 0 : keyword + std::string_view("\\fonttbl").size();
  size_t count = 0;
  for (;;) {
    from = Line.Find(TNeedle::Backslash, from);
    if (from == npos || from + 1 >= Line.Length()) return;
    if (Line[from + 1] != 'f') return;
    from += 2;
    size_t digits = from;
    while (digits < Line.Length() && IsDigit(Line[digits])) ++digits;
    const int32_t number = digits > from ? StrToInt(Line.Sub(from, digits - from)) : 0;
    from = Line.Find(TNeedle::BlankOrBrace, digits);
    if (from != npos && Line[from] == '{') from = Line.Find(TNeedle::CloseBrace, from);  // e.g. \*\panose
    if (from == npos || from + 1 >= Line.Length()) return;
    from = NameStart(Line, from + 1);

    size_t j = Line.Find(TNeedle::NameEnd, from);
    size_t cut = j;
    if (j != npos && Line[j] == '{' && Line.Find(TNeedle::Falt, 0) == j + 1) {
      from = j + std::string_view("{\\*\\falt ").size();
      j = Line.Find(TNeedle::CloseBrace, j);
      // Go on after the \falt group's own brace, so that the entry's brace is the next one found.
      cut = j == npos ? npos : j + 1;
    }
    if (j == npos) return;
    if (count < kFontSlots) {
      slots[count] = font{from < j ? std::string(Line.Sub(from, j - from)) : std::string(), number};
    }
    ++count;
    Line.Cut(cut);
    JoinShortRemainder(Source, Line);

    const size_t close = EntryEnd(Line);
    if (close == npos) return;
    if (close + 1 < Line.Length() && Line[close + 1] == '}') {
      Line.Cut(close + 1);
      return;
    }
    const size_t open = Line.Find(TNeedle::OpenBrace, close + 1);
    if (open == npos) return;
    Line.Cut(open);
    from = 0;
  }
}

void ReadColourTable(TLineSource& Source, TWorkingLine& Line) {
  std::vector<std::string>& table = Context().ColourTable;
  const size_t keyword = Line.Find(TNeedle::Colortbl, 0);
  size_t p = keyword == npos ? 0 : keyword + std::string_view("\\colortbl").size();
  if (p < Line.Length() && Line[p] == ';') table.push_back("#000000");
  bool complete = false;
  while (!complete && Line.Find(TNeedle::Par, 0) == npos) {
    const size_t from = Line.Find(TNeedle::Backslash, p);
    const size_t end = from == npos ? npos : Line.Find(TNeedle::Semicolon, from);
    if (end == npos) return;
    complete = end + 1 < Line.Length() && Line[end + 1] == '}';
    table.push_back(ColourToHtml(Line.Sub(from, end - from)));
    Line.Cut(end + 1);
    // Joining stops at the end of the input: past it only empty lines would come.
    JoinShortRemainder(Source, Line);
    p = 0;
  }
}

std::string FontFace(int32_t& N) {
  const std::array<font, kFontSlots>& slots = Context().FontTable;
  for (const font& slot : slots) {
    if (slot.number == N) return slot.name;
  }
  N = slots.back().number;
  return slots.back().name;
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
