#include "pmrconv/UnicodeText.h"

#include <array>
#include <cstring>

#include "pmrconv/ByteScan.h"
#include "pmrconv/Destinations.h"

#include "platform/CodePages.h"
#include "pmrconv/Context.h"
#include "pmrconv/HtmlOutput.h"
#include "pmrconv/RtfSyntax.h"

namespace pmrconv {

namespace {

// Position of the first byte from From on, before To, that is not ASCII; To when there is none.
size_t FirstHighByte(std::string_view Text, size_t From, size_t To) {
  size_t i = From;
  for (; i + 8 <= To; i += 8) {
    uint64_t word;
    std::memcpy(&word, Text.data() + i, 8);
    if ((word & 0x8080808080808080u) != 0) break;
  }
  while (i < To && static_cast<unsigned char>(Text[i]) < 0x80) ++i;
  return i;
}

constexpr bool IsDigit(char C) { return C >= '0' && C <= '9'; }

// The integer of Text (an optional "-" and digits), saturated far beyond any code point; false when it is none.
bool ParseNumber(std::string_view Text, int64_t& Value) {
  const bool negative = !Text.empty() && Text[0] == '-';
  if (negative) Text.remove_prefix(1);
  if (Text.empty()) return false;
  int64_t v = 0;
  for (const char c : Text) {
    if (!IsDigit(c)) return false;
    if (v < (int64_t{1} << 40)) v = v * 10 + (c - '0');
  }
  Value = negative ? -v : v;
  return true;
}

// The number after Prefix in W when W is Prefix and digits alone.
bool NumberAfter(std::string_view W, std::string_view Prefix, int64_t& Value) {
  if (!W.starts_with(Prefix) || W.size() == Prefix.size() || !IsDigit(W[Prefix.size()])) return false;
  return ParseNumber(W.substr(Prefix.size()), Value);
}

int32_t Clamped(int64_t V) { return V > INT32_MAX ? INT32_MAX : static_cast<int32_t>(V); }

// Words that the readers take apart themselves (tables, destinations): they end a fallback instead of counting
// as one of its characters, so that a writer's missing fallback cannot swallow a table or a font table.
bool EndsFallback(std::string_view W) {
  return W == "fonttbl" || W == "colortbl" || W == "trowd" || W == "cell" || W == "row" || IsSkippedDestination(W);
}

// Decodes Bytes on their own through Table, without escaping: a name, not running text.
void AppendDecoded(std::string& Out, std::string_view Bytes, TCodePageTable& Table) {
  for (size_t i = 0; i < Bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(Bytes[i]);
    char32_t c = Table.Byte(b);
    if (c == TCodePageTable::kLeadByte) {
      c = i + 1 < Bytes.size() ? Table.Pair(b, static_cast<unsigned char>(Bytes[++i])) : TCodePageTable::kUndefined;
    }
    AppendUtf8(Out, c == TCodePageTable::kUndefined ? kReplacementCharacter : c);
  }
}

// Appends the well-formed UTF-8 of Bytes; every byte of an ill-formed sequence becomes U+FFFD.
void AppendValidUtf8(std::string& Out, std::string_view Bytes) {
  size_t i = 0;
  while (i < Bytes.size()) {
    const auto b = static_cast<unsigned char>(Bytes[i]);
    size_t length = b < 0x80 ? 1 : b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
    char32_t c = length == 1 ? b : length == 2 ? b & 0x1F : length == 3 ? b & 0x0F : b & 0x07;
    for (size_t k = 1; k < length; ++k) {
      const auto next = i + k < Bytes.size() ? static_cast<unsigned char>(Bytes[i + k]) : 0;
      if ((next & 0xC0) != 0x80) {
        length = 0;
        break;
      }
      c = c << 6 | (next & 0x3F);
    }
    const bool overlong = (length == 3 && c < 0x800) || (length == 4 && (c < 0x10000 || c > 0x10FFFF));
    if (length == 0 || overlong || (c >= 0xD800 && c < 0xE000)) {
      AppendUtf8(Out, kReplacementCharacter);
      ++i;
      continue;
    }
    Out.append(Bytes.substr(i, length));
    i += length;
  }
}

}  // namespace

void AppendUtf8(std::string& Out, char32_t C) {
  if (C > 0x10FFFF || (C >= 0xD800 && C < 0xE000)) C = kReplacementCharacter;
  if (C < 0x80) {
    Out += static_cast<char>(C);
  } else if (C < 0x800) {
    Out += static_cast<char>(0xC0 | C >> 6);
    Out += static_cast<char>(0x80 | (C & 0x3F));
  } else if (C < 0x10000) {
    Out += static_cast<char>(0xE0 | C >> 12);
    Out += static_cast<char>(0x80 | (C >> 6 & 0x3F));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  } else {
    Out += static_cast<char>(0xF0 | C >> 18);
    Out += static_cast<char>(0x80 | (C >> 12 & 0x3F));
    Out += static_cast<char>(0x80 | (C >> 6 & 0x3F));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  }
}

void AppendEscapedCharacter(std::string& Out, char32_t C) {
  switch (C) {
    case '<': Out += "&lt;"; return;
    case '>': Out += "&gt;"; return;
    case '&': Out += "&amp;"; return;
    default: AppendUtf8(Out, C);
  }
}

void TUnicodeText::StartDocument(const font* Fonts) {
  FFonts = Fonts;
  FScopes.assign(1, TScope{});
  FDepth = 1;
  FUndo.clear();
  FMarked = false;
  FDefaultFont = -1;
  FAnsiCodePage = 0;
  FCharsetCodePage = 1252;
  FSkip = 0;
  FLead = -1;
  FHighSurrogate = 0;
  ForgetFonts();
}

void TUnicodeText::ForgetFonts() {
  FTable = nullptr;
  FFontTables.clear();
  FFontNamed.assign(kFontSlots, false);
}

TUnicodeText::TScope& TUnicodeText::TopForChange() {
  if (FMarked) FUndo.emplace_back(FDepth - 1, Top());
  return Top();
}

void TUnicodeText::OpenGroup(std::string& Out) {
  FSkip = 0;
  FlushPending(Out);
  const TScope outer = Top();
  if (FDepth == FScopes.size()) {
    FScopes.push_back(outer);
  } else {
    if (FMarked) FUndo.emplace_back(FDepth, FScopes[FDepth]);
    FScopes[FDepth] = outer;
  }
  ++FDepth;
}

void TUnicodeText::CloseGroup(std::string& Out) {
  FSkip = 0;
  FlushPending(Out);
  const int32_t font = Top().Font;
  if (FDepth > 1) --FDepth;  // an extra "}" leaves the document's own scope in place
  if (Top().Font != font) FTable = nullptr;
}

bool TUnicodeText::SkipsOne() {
  if (FSkip == 0) return false;
  --FSkip;
  return true;
}

void TUnicodeText::FlushPending(std::string& Out) {
  if (FLead >= 0) {
    AppendUtf8(Out, kReplacementCharacter);
    FLead = -1;
  }
  if (FHighSurrogate != 0) {
    AppendUtf8(Out, kReplacementCharacter);
    FHighSurrogate = 0;
  }
}

void TUnicodeText::Text(std::string& Out, std::string_view Bytes, bool Hidden) {
  std::string& out = Hidden ? FHidden : Out;
  size_t i = 0;
  const size_t n = Bytes.size();
  while (i < n && FSkip > 0) {
    --FSkip;
    ++i;
  }
  if (i < n && FHighSurrogate != 0) {
    AppendUtf8(out, kReplacementCharacter);
    FHighSurrogate = 0;
  }
  const bool ascii = i < n && Current().AsciiAsIs();
  size_t special = 0;  // the next "<", ">" or "&" at or after i, n when there is none
  bool specialKnown = false;
  while (i < n) {
    if (ascii && FLead < 0) {
      // Runs of ASCII go out with one append; the markup characters are found once for the whole run.
      if (!specialKnown || special < i) {
        special = detail::FindAnyOf3(Bytes, i, '<', '>', '&');
        if (special == std::string_view::npos) special = n;
        specialKnown = true;
      }
      const size_t end = FirstHighByte(Bytes, i, special);
      out.append(Bytes.data() + i, end - i);
      i = end;
      if (i == n) break;
    }
    PutByte(out, static_cast<unsigned char>(Bytes[i]));
    ++i;
  }
  FHidden.clear();
}

void TUnicodeText::EscapedByte(std::string& Out, unsigned char Byte) {
  if (SkipsOne()) return;
  if (FHighSurrogate != 0) {
    AppendUtf8(Out, kReplacementCharacter);
    FHighSurrogate = 0;
  }
  PutByte(Out, Byte);
}

void TUnicodeText::Symbol(std::string& Out, std::string_view Html) {
  if (Html == "\\" || Html == "{" || Html == "}") {
    EscapedByte(Out, static_cast<unsigned char>(Html[0]));
    return;
  }
  if (SkipsOne()) return;
  FlushPending(Out);
  Out.append(Html);
}

void TUnicodeText::PutByte(std::string& Out, unsigned char Byte) {
  if (FLead >= 0) {
    const auto lead = static_cast<unsigned char>(FLead);
    FLead = -1;
    const char32_t pair = FLeadTable->Pair(lead, Byte);
    if (pair != TCodePageTable::kUndefined) {
      AppendEscapedCharacter(Out, pair);
      return;
    }
    AppendUtf8(Out, kReplacementCharacter);
    if (Byte >= 0x80) return;  // an ASCII byte after a broken lead byte is read on its own
  }
  TCodePageTable& table = Current();
  const char32_t c = table.Byte(Byte);
  if (c == TCodePageTable::kLeadByte) {
    FLead = Byte;
    FLeadTable = &table;
    return;
  }
  AppendEscapedCharacter(Out, c == TCodePageTable::kUndefined ? kReplacementCharacter : c);
}

bool TUnicodeText::ControlWord(std::string& Out, std::string_view W, bool Hidden) {
  if (FSkip > 0) {
    if (!EndsFallback(W)) {
      --FSkip;
      return true;
    }
    FSkip = 0;
  }
  if (W.size() > 1 && W[0] == 'u' && (IsDigit(W[1]) || W[1] == '-')) {
    Unicode(Hidden ? FHidden : Out, W.substr(1));
    FHidden.clear();
    return true;
  }
  FlushPending(Out);
  int64_t n = 0;
  switch (W[0]) {
    case 'u':
      if (NumberAfter(W, "uc", n)) {
        TopForChange().SkipCount = Clamped(n);
        return true;
      }
      break;
    case 'f':
      if (NumberAfter(W, "f", n)) {
        SetFont(Clamped(n));
      } else if (W == "fonttbl") {
        ForgetFonts();
      }
      break;
    case 'a':
      if (W == "ansi") {
        DocumentCharset(1252);
      } else if (NumberAfter(W, "ansicpg", n)) {
        FAnsiCodePage = static_cast<uint32_t>(Clamped(n));
        DocumentCharset(FCharsetCodePage);
      }
      break;
    case 'm':
      if (W == "mac") DocumentCharset(10000);
      break;
    case 'p':
      if (W == "pc") DocumentCharset(437);
      if (W == "pca") DocumentCharset(850);
      if (W == "plain") SetFont(FDefaultFont);  // the default font again
      break;
    case 'd':
      if (NumberAfter(W, "deff", n)) {
        FDefaultFont = Clamped(n);
        if (Top().Font < 0) SetFont(FDefaultFont);
      }
      break;
    default: break;
  }
  return false;
}

void TUnicodeText::SetFont(int32_t Font) {
  if (Top().Font == Font) return;
  TopForChange().Font = Font;
  FTable = nullptr;
}

void TUnicodeText::DocumentCharset(uint32_t CodePage) {
  FCharsetCodePage = CodePage;
  ForgetFonts();  // fonts without a charset of their own follow the document's
}

void TUnicodeText::Unicode(std::string& Out, std::string_view Number) {
  if (FLead >= 0) {
    AppendUtf8(Out, kReplacementCharacter);
    FLead = -1;
  }
  int64_t n = 0;
  char32_t c = kReplacementCharacter;
  if (ParseNumber(Number, n)) {
    if (n < 0) n += 65536;  // RTF writes code units above 32767 as negative numbers
    if (n >= 0 && n <= 0x10FFFF) c = static_cast<char32_t>(n);
  }
  if (c >= 0xDC00 && c < 0xE000 && FHighSurrogate != 0) {
    AppendEscapedCharacter(Out, 0x10000 + ((FHighSurrogate - 0xD800) << 10) + (c - 0xDC00));
    FHighSurrogate = 0;
  } else {
    if (FHighSurrogate != 0) AppendUtf8(Out, kReplacementCharacter);
    FHighSurrogate = 0;
    if (c >= 0xD800 && c < 0xDC00) {
      FHighSurrogate = c;
    } else {
      AppendEscapedCharacter(Out, c);  // a lone low surrogate becomes U+FFFD there
    }
  }
  FSkip = Top().SkipCount;
}

TUnicodeText::TMark TUnicodeText::Mark() {
  FUndo.clear();
  FMarked = true;
  return {FDepth, 0, FDefaultFont, FAnsiCodePage, FCharsetCodePage, FSkip, FLead, FHighSurrogate};
}

void TUnicodeText::Rewind(const TMark& Mark) {
  for (size_t k = FUndo.size(); k-- > Mark.Undo;) FScopes[FUndo[k].first] = FUndo[k].second;
  FUndo.clear();
  FMarked = false;
  FDepth = Mark.Depth;
  FDefaultFont = Mark.DefaultFont;
  FAnsiCodePage = Mark.AnsiCodePage;
  FCharsetCodePage = Mark.CharsetCodePage;
  FSkip = Mark.Skip;
  FLead = Mark.Lead;
  FHighSurrogate = Mark.HighSurrogate;
  FTable = nullptr;
}

const font* TUnicodeText::SlotOf(int32_t Number) const {
  for (size_t k = 0; k < kFontSlots; ++k) {
    if (FFonts[k].number == Number) return &FFonts[k];
  }
  return nullptr;
}

TCodePageTable* TUnicodeText::FontTable(const font& Slot) {
  if (IsSymbolFace(Slot.name)) return &FPages.Symbol(Slot.name == "Symbol");
  const uint32_t codePage = CodePageOfCharset(Slot.charset);
  if (codePage == kSymbolCodePage) return &FPages.Symbol(false);
  return codePage == 0 ? nullptr : FPages.Find(codePage);
}

TCodePageTable& TUnicodeText::DocumentTable() {
  if (FAnsiCodePage != 0) {
    if (TCodePageTable* table = FPages.Find(FAnsiCodePage)) return *table;
  }
  if (TCodePageTable* table = FPages.Find(FCharsetCodePage)) return *table;
  if (TCodePageTable* table = FPages.Find(1252)) return *table;
  return FPages.Latin1();
}

TCodePageTable& TUnicodeText::Current() {
  if (FTable != nullptr) return *FTable;
  constexpr int32_t kRemembered = 4096;
  const int32_t number = Top().Font;
  const bool remembered = number >= 0 && number < kRemembered;
  if (remembered && static_cast<size_t>(number) < FFontTables.size() && FFontTables[number] != nullptr) {
    FTable = FFontTables[number];
    return *FTable;
  }
  const font* slot = number >= 0 ? SlotOf(number) : nullptr;
  FTable = slot != nullptr ? FontTable(*slot) : nullptr;
  if (FTable == nullptr) FTable = &DocumentTable();
  if (remembered) {
    if (FFontTables.size() <= static_cast<size_t>(number)) FFontTables.resize(static_cast<size_t>(number) + 1);
    FFontTables[number] = FTable;
  }
  return *FTable;
}

const std::string& TUnicodeText::FontName(const font& Slot) {
  const auto index = static_cast<size_t>(&Slot - FFonts);
  if (FFontNames.size() != kFontSlots) FFontNames.resize(kFontSlots);
  if (FFontNamed.size() != kFontSlots) FFontNamed.assign(kFontSlots, false);
  if (!FFontNamed[index]) {
    // A symbol font's name is written in letters, like any other.
    TCodePageTable* table = FontTable(Slot);
    if (table != nullptr && !table->AsciiAsIs()) table = nullptr;
    FFontNames[index].clear();
    AppendDecoded(FFontNames[index], Slot.name, table != nullptr ? *table : DocumentTable());
    FFontNamed[index] = true;
  }
  return FFontNames[index];
}

std::string TUnicodeText::Title(std::string_view Name) {
  std::string utf8;
  const uint32_t codePage = platform::NameCodePage();
  if (codePage == 65001) {
    AppendValidUtf8(utf8, Name);
  } else {
    TCodePageTable* table = FPages.FindAny(codePage);
    AppendDecoded(utf8, Name, table != nullptr ? *table : FPages.Latin1());
  }
  std::string title;
  AppendEscapedText(title, utf8);
  return title;
}

}  // namespace pmrconv
