#pragma once
// The one RTF scanner that the group reader and the table reader drive: it tells what stands at a position of the
// working line (a brace, an escape, a hexadecimal code, a control word with its resume position, or a run of text)
// and where the scan goes on. The readers decide what each token means to them.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "pmrconv/LineSource.h"
#include "pmrconv/RtfSyntax.h"
#include "pmrconv/WorkingLine.h"

namespace pmrconv {

enum class TTokenKind : uint8_t {
  OpenBrace,    // "{"
  CloseBrace,   // "}"
  Symbol,       // an escape with fixed HTML: \\ \{ \} (the bare character), \~ (a blank), \- and \_ ("-")
  HexCode,      // \'XX; Text holds up to two characters after the apostrophe
  Star,         // \* ; Next is the position of the star
  ControlWord,  // \word; Word holds it with its parameter, Next is the resume position. A backslash right before a
                // line end is the word "par", as in the documents of writers that end paragraphs so.
  Text,         // a run of plain text up to the next backslash or brace
  Dropped,      // a backslash with any other character, or one that ends the input
};

// What a reader does when a control word runs to the end of the working line and more input follows.
enum class TLineJoin : uint8_t {
  Replace,  // the next line replaces the working line; the scan goes on at its start
  Append,   // the next line is joined to the working line; the scan goes on after the word
};

struct TToken {
  TTokenKind Kind = TTokenKind::Text;
  size_t Next = 0;             // where the scan goes on
  std::string_view Text = {};  // Symbol: the HTML; HexCode: the code; Text: the run (valid until the line changes)
  size_t WordEnd = 0;          // ControlWord: the position after the word, before any delimiter
  bool EndedLine = false;      // ControlWord: the word ended its line and the next line replaced it
};

class TRtfScanner {
public:
  TRtfScanner(TLineSource& Source, TWorkingLine& Line) : FSource(Source), FLine(Line) {}

  // The token at I, which must be within the working line.
  TToken Read(size_t I, TLineJoin Join) {
    const char c = FLine[I];
    if (c == '{') return {TTokenKind::OpenBrace, I + 1};
    if (c == '}') return {TTokenKind::CloseBrace, I + 1};
    if (c != '\\') {
      const size_t end = TextRunEnd(FLine, I);
      return {TTokenKind::Text, end, FLine.Sub(I, end - I)};
    }
    if (I + 1 >= FLine.Length()) return LineEndBackslash(I);
    const char d = FLine[I + 1];
    switch (d) {
      case '\\': return {TTokenKind::Symbol, I + 2, "\\"};
      case '{': return {TTokenKind::Symbol, I + 2, "{"};
      case '}': return {TTokenKind::Symbol, I + 2, "}"};
      case '~': return {TTokenKind::Symbol, I + 2, " "};
      case '-':
      case '_': return {TTokenKind::Symbol, I + 2, "-"};
      case '\'': return {TTokenKind::HexCode, I + 4, FLine.Sub(I + 2, 2)};
      case '*': return {TTokenKind::Star, I + 1};
      default:
        if (d >= 'a' && d <= 'z') return ControlWord(I, Join);
        return {TTokenKind::Dropped, I + 2};
    }
  }

  // The control word of the last ControlWord token; valid until the working line changes.
  std::string_view Word() const noexcept { return FWord; }

  // At the end of the working line: the next input line replaces it (I := 0) or is joined to it (I stays).
  // False at the end of the input.
  bool NextLine(size_t& I, TLineJoin Join) {
    const bool par = std::exchange(FLineEndPar, false);
    if (FSource.Eof()) return false;
    if (Join == TLineJoin::Append) {
      // The joined text is read again after a table's look-ahead: it must still say what the line end said.
      if (par) FLine.Append("par ");
      FLine.AppendNext(FSource);
    } else {
      FLine.ReadNext(FSource);
      I = 0;
    }
    return true;
  }

private:
  TToken ControlWord(size_t I, TLineJoin Join) {
    TToken token{TTokenKind::ControlWord};
    const size_t end = WordEnd(FLine, I + 1);
    FWord = FLine.Sub(I + 1, end - I - 1);
    token.WordEnd = end;
    if (end < FLine.Length()) {
      // A blank delimiter belongs to the word; any other is scanned next.
      token.Next = FLine[end] == ' ' ? end + 1 : end;
      return token;
    }
    // The word ends the line: it is acted on, and the scan goes on with the next line (or, at the end of the input,
    // the scan of this last line ends with it).
    token.Next = end;
    FWordCopy.assign(FWord);  // the next line may take the word's place
    FWord = FWordCopy;
    if (NextLine(token.Next, Join)) token.EndedLine = Join == TLineJoin::Replace;
    return token;
  }
  TToken LineEndBackslash(size_t I);

  TLineSource& FSource;
  TWorkingLine& FLine;
  std::string_view FWord;
  std::string FWordCopy;  // a word that ended its line, kept while the line is replaced or joined
  bool FLineEndPar = false;  // the line ends with a backslash that was read as "par"
};

}  // namespace pmrconv
