#pragma once
// The one RTF scanner: it holds the working line and the position in it, and is the only code that moves through
// the text. The readers ask it for the next token (a brace, an escape, a hexadecimal code, a control word, or a run
// of text), to skip a destination's group, to take the rest of the line, and, for the table's look-ahead, to mark a
// position and rewind to it. What each token means is the readers' business.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "pmrconv/LineSource.h"
#include "pmrconv/RtfSyntax.h"
#include "pmrconv/WorkingLine.h"

namespace pmrconv {

enum class TTokenKind : uint8_t {
  OpenBrace,    // "{"
  CloseBrace,   // "}"
  Symbol,       // an escape with fixed HTML: \\ \{ \} (the bare character), \~ (a blank), \- and \_ ("-")
  HexCode,      // \'XX; Text holds up to two characters after the apostrophe
  Star,         // \* ; Text holds up to four characters after the backslash that follows the star
  ControlWord,  // \word; Text holds it with its parameter. A backslash right before a line end is the word "par",
                // as in the documents of writers that end paragraphs so.
  Text,         // a run of plain text up to the next backslash or brace
  Dropped,      // a backslash with any other character, or one that ends the input
  End,          // the input is exhausted
};

struct TToken {
  TTokenKind Kind = TTokenKind::End;
  // Symbol: the HTML; HexCode, Star: the characters after the escape; ControlWord: the word; Text: the run. Valid
  // until the scanner is next asked for anything.
  std::string_view Text = {};
  bool EndedLine = false;  // ControlWord: the word ended its line, and the next line has taken the line's place
};

class TRtfScanner {
public:
  // Reads the first line of Source, which must outlive the scanner.
  explicit TRtfScanner(TLineSource& Source);

  TRtfScanner(const TRtfScanner&) = delete;
  TRtfScanner& operator=(const TRtfScanner&) = delete;

  // The token at the position, which moves past it. At the end of the working line the next input line takes its
  // place, or, during a look-ahead, is joined to it; End when there is none. A control word that runs to the end
  // of the line is read whole, and the next line is taken (or joined) at once; at the end of the input it is still
  // returned, and End follows.
  TToken Next() {
    if (FPos >= FLine.Length()) return RefillAndNext();
    const size_t at = FPos;
    FTokenStart = at;
    FLastEndedLine = false;
    const std::string_view line = FLine.View();
    const char c = line[at];
    if (c == '{') {
      FPos = at + 1;
      return {TTokenKind::OpenBrace};
    }
    if (c == '}') {
      FPos = at + 1;
      return {TTokenKind::CloseBrace};
    }
    if (c != '\\') {
      const size_t end = FindBackslashOrBrace(line, at);
      FPos = end == std::string_view::npos ? line.size() : end;
      return {TTokenKind::Text, line.substr(at, FPos - at)};
    }
    if (at + 1 >= line.size()) return LineEndBackslash(at);
    const char d = line[at + 1];
    FPos = at + 2;
    switch (d) {
      case '\\': return {TTokenKind::Symbol, "\\"};
      case '{': return {TTokenKind::Symbol, "{"};
      case '}': return {TTokenKind::Symbol, "}"};
      case '~': return {TTokenKind::Symbol, " "};
      case '-':
      case '_': return {TTokenKind::Symbol, "-"};
      case '\'':
        FPos = at + 4;
        return {TTokenKind::HexCode, FLine.Sub(at + 2, 2)};
      case '*':
        FResume = at + 1;  // a skipped group is read from the star on
        return {TTokenKind::Star, FLine.Sub(at + 3, 4)};
      default:
        if (d >= 'a' && d <= 'z') return ControlWord(line, at);
        return {TTokenKind::Dropped};
    }
  }

  // The working line := its rest from the position, where the scan goes on; lines are joined first while nothing
  // would be left.
  void TakeRestOfLine() {
    FLineEndPar = false;
    if (FPos < FLine.Length()) {
      FLine.Cut(FPos);  // something is left: no line to join, as at nearly every brace
    } else {
      RestOfLine(FSource, FLine, FPos);
    }
    FPos = 0;
  }
  // The last token is read again next; a word that ended its line is put back in front of the line that took its
  // place.
  void Unread();
  // The working line := its rest from the position, with lines joined while at most four characters are left: the
  // font and colour tables hand their closing "}" back to the group reader together with the text that follows.
  void HandBack();

  // Skips the group of the destination just read (a control word, or \*), \bin data included: the scan goes on at
  // the group's "}", or at the end of the input when the group does not close (a "}" that ends the input is
  // still met). During a look-ahead the group is only stepped over, so that the text read ahead stays as the
  // document has it.
  void SkipGroup();

  // A look-ahead from the control word just read: the working line begins at its backslash (at the start of the
  // next line when the word ended its line), lines are joined from now on, and the scan goes on right after the
  // word, so that a blank delimiter is read as text.
  void Mark();
  // The look-ahead is over and the table goes on: lines replace each other again.
  void Unmark();
  // The look-ahead is over and what it read is to be read again: the scan goes back to the marked word.
  void Rewind();
  bool Marked() const noexcept { return FMarked; }

  // The working line from the position on: what the scan reads next before it takes another line.
  std::string_view Rest() const { return FLine.Sub(FPos); }

  // Whether the first Needle of the working line begins where the scan goes on.
  bool FirstInLineIsHere(TNeedle Needle) { return FLine.Find(Needle, 0) == FPos; }

  // For tables of entries (the colour table): Entry := the text from the position up to the next ";" and the
  // working line := its rest after it, joining lines as needed. False, when a "}" comes first, with the position
  // at that "}", or, at the end of the input, with the position at the end.
  bool TakeEntry(std::string_view& Entry);

private:
  TToken ControlWord(std::string_view Line, size_t At) {
    const size_t end = WordEnd(Line, At + 1);
    FWordEnd = end;
    const std::string_view word = Line.substr(At + 1, end - At - 1);
    if (end >= Line.size()) {
      FPos = end;
      return WordEndingLine(word);
    }
    // A blank delimiter belongs to the word; any other is scanned next.
    FPos = Line[end] == ' ' ? end + 1 : end;
    FResume = FPos;
    return {TTokenKind::ControlWord, word};
  }
  TToken RefillAndNext();
  TToken WordEndingLine(std::string_view Word);
  TToken LineEndBackslash(size_t At);
  // At the end of the working line: the next input line replaces it (the position goes to its start) or, during
  // a look-ahead, is joined to it. False at the end of the input.
  bool NextLine();

  TLineSource& FSource;
  TWorkingLine FLine;
  size_t FPos = 0;           // where the scan goes on
  size_t FTokenStart = 0;    // where the last token began
  size_t FResume = 0;        // where a destination's group begins: after a word's delimiter, or at the star
  size_t FWordEnd = 0;       // after the last control word, before its delimiter
  bool FLastEndedLine = false;
  bool FMarked = false;
  bool FLineEndPar = false;  // the line ends with a backslash that was read as "par"
  std::string FWordCopy;     // a word that ended its line, kept while the line is replaced or joined
};

}  // namespace pmrconv
