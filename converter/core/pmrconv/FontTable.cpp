#include "pmrconv/FontColourTables.h"

#include <algorithm>
#include <string>

#include "pmrconv/RtfSyntax.h"

namespace pmrconv {

namespace {

// The number of \fcharsetN, -1 when N is not a small number.
int32_t CharsetOf(std::string_view Digits) {
  if (Digits.empty() || Digits.size() > 5) return -1;
  int32_t value = 0;
  for (const char c : Digits) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

// Reads the table as RTF, with the scanner the readers use: the entries are the \fN words with the text that
// follows them up to ";", whether each stands in a group of its own ({\f0\froman Times;}, as most writers lay them
// out) or not (\f0\fswiss Helvetica;\f1\fnil Menlo;, as others do), and whatever line ends fall between or inside
// them. Words such as \fswiss, \fcharset0 and the groups {\*\panose ...} are passed over; a {\*\falt ...} group
// names the font instead.
class TFontTableReader {
public:
  TFontTableReader(TConversionContext& Context, TRtfScanner& Scanner)
      : FScanner(Scanner), FSlots(Context.FontTable) {}

  void Run() {
    for (;;) {
      const TToken token = FScanner.Next();
      switch (token.Kind) {
        case TTokenKind::OpenBrace:
          if (++FDepth == 1) StartEntry(0, false);
          break;
        case TTokenKind::CloseBrace:
          if (FDepth == 0) return HandBack();
          CloseGroup();
          break;
        case TTokenKind::Star: break;
        case TTokenKind::ControlWord:
          if (!Word(token.Text)) return HandBack();
          break;
        case TTokenKind::Text: Name(token.Text); break;
        case TTokenKind::Symbol: Name(token.Text); break;
        case TTokenKind::HexCode: {
          const char byte = static_cast<char>(HexToByte(token.Text));
          Name(std::string_view(&byte, 1));
          break;
        }
        case TTokenKind::Dropped: break;
        case TTokenKind::End: EndEntry(); return;
      }
    }
  }

private:
  // The table's "}" (or a word that cannot stand in a font table) was the last token: the group reader goes on
  // from it, also when the word ended its line.
  void HandBack() {
    EndEntry();
    FScanner.Unread();
    FScanner.HandBack();
  }

  void StartEntry(int32_t Number, bool Numbered) {
    EndEntry();
    FActive = true;
    FStored = false;
    FNumbered = Numbered;
    FEntryDepth = FDepth;
    FNumber = Number;
    FCharset = -1;
    FName.clear();
  }

  // An entry without its ";" is stored when it ends, if it has a name.
  void EndEntry() {
    if (FActive && !FStored && !FName.empty()) Store();
    FActive = false;
  }

  void Store() {
    FSlot = FCount++;
    if (FSlot < FSlots.size()) FSlots[FSlot] = font{FName, FNumber, FCharset};
    FStored = true;
  }

  void CloseGroup() {
    if (FDepth == FAltDepth) {
      FAltDepth = -1;
      if (!FAlt.empty()) {
        FName = FAlt;
        if (FStored && FSlot < FSlots.size()) FSlots[FSlot].name = FAlt;
      }
    }
    if (FDepth == FEntryDepth) EndEntry();
    --FDepth;
  }

  // False for a word that ends the table early: a paragraph word shows that the table has no closing brace.
  bool Word(std::string_view W) {
    const auto digit = [](char C) { return C >= '0' && C <= '9'; };
    if (W.size() > 1 && W[0] == 'f' && std::all_of(W.begin() + 1, W.end(), digit)) {
      if (FDepth > 1) return true;
      const int32_t number = StrToInt(std::string_view(W).substr(1));
      if (FActive && FDepth == FEntryDepth && !FNumbered && FName.empty()) {
        FNumber = number;  // the first word of an entry's own group
        FNumbered = true;
      } else {
        StartEntry(number, true);
      }
    } else if (W.starts_with("fcharset") && W.size() > 8) {
      // The charset the name and the font's text are written in; a parameter that does not convert names none.
      if (FActive && FDepth == FEntryDepth) FCharset = CharsetOf(W.substr(8));
    } else if (W == "falt") {
      if (FActive && FDepth == FEntryDepth + 1) {
        FAltDepth = FDepth;
        FAlt.clear();
      }
    } else if (FDepth == 0 && (W == "par" || W == "pard" || W == "plain" || W == "sectd")) {
      return false;
    }
    return true;
  }

  void Name(std::string_view Text) {
    if (FAltDepth >= 0 && FDepth == FAltDepth) {
      FAlt.append(Text);
      return;
    }
    if (!FActive || FStored || FDepth != FEntryDepth) return;
    const size_t semicolon = Text.find(';');
    FName.append(Text.substr(0, semicolon));
    if (semicolon != std::string_view::npos) Store();
  }

  TRtfScanner& FScanner;
  TFontTable& FSlots;
  size_t FCount = 0;  // entries read; slots are filled from 0 upward, entries past the last slot are read over
  int64_t FDepth = 0;  // groups open inside the table's own
  // The entry being read.
  bool FActive = false;
  bool FStored = false;
  bool FNumbered = false;
  int64_t FEntryDepth = -1;
  int32_t FNumber = 0;
  int32_t FCharset = -1;
  std::string FName;
  size_t FSlot = 0;
  int64_t FAltDepth = -1;  // depth of an open {\*\falt ...} group of the entry
  std::string FAlt;
};

}  // namespace

void ReadFontTable(TConversionContext& Context, TRtfScanner& Scanner) { TFontTableReader(Context, Scanner).Run(); }

std::string FontFace(const TFontTable& Fonts, int32_t& N) { return FontSlot(Fonts, N).name; }

const font& FontSlot(const TFontTable& Fonts, int32_t& N) {
  for (const font& slot : Fonts) {
    if (slot.number == N) return slot;
  }
  N = Fonts.back().number;
  return Fonts.back();
}

}  // namespace pmrconv
