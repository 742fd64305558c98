#include "pmrconv/RtfScanner.h"

#include <utility>

#include "pmrconv/SkipGroup.h"

namespace pmrconv {

TRtfScanner::TRtfScanner(TLineSource& Source) : FSource(Source) { FLine.ReadNext(Source); }

TToken TRtfScanner::Next() {
  while (FPos >= FLine.Length()) {
    if (!NextLine()) return {TTokenKind::End};
  }
  const size_t at = FPos;
  FTokenStart = at;
  FLastEndedLine = false;
  const char c = FLine[at];
  if (c == '{') {
    FPos = at + 1;
    return {TTokenKind::OpenBrace};
  }
  if (c == '}') {
    FPos = at + 1;
    return {TTokenKind::CloseBrace};
  }
  if (c != '\\') {
    FPos = TextRunEnd(FLine, at);
    return {TTokenKind::Text, FLine.Sub(at, FPos - at)};
  }
  if (at + 1 >= FLine.Length()) return LineEndBackslash(at);
  const char d = FLine[at + 1];
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
      if (d >= 'a' && d <= 'z') return ControlWord(at);
      return {TTokenKind::Dropped};
  }
}

TToken TRtfScanner::ControlWord(size_t At) {
  const size_t end = WordEnd(FLine, At + 1);
  FWordEnd = end;
  std::string_view word = FLine.Sub(At + 1, end - At - 1);
  if (end < FLine.Length()) {
    // A blank delimiter belongs to the word; any other is scanned next.
    FPos = FLine[end] == ' ' ? end + 1 : end;
    FResume = FPos;
    return {TTokenKind::ControlWord, word};
  }
  // The word ends the line: it is acted on, and the scan goes on with the next line (or, at the end of the input,
  // the scan of this last line ends with it).
  FPos = end;
  FWordCopy.assign(word);  // the next line may take the word's place
  word = FWordCopy;
  const bool replaced = NextLine() && !FMarked;
  FResume = FPos;
  FLastEndedLine = replaced;
  return {TTokenKind::ControlWord, word, replaced};
}

TToken TRtfScanner::LineEndBackslash(size_t At) {
  FPos = At + 1;
  if (!FSource.LineEnded()) return {TTokenKind::Dropped};
  FLineEndPar = true;
  FWordEnd = FResume = FPos;
  return {TTokenKind::ControlWord, "par"};
}

bool TRtfScanner::NextLine() {
  const bool par = std::exchange(FLineEndPar, false);
  if (FSource.Eof()) return false;
  if (FMarked) {
    // The joined text is read again after a table's look-ahead: it must still say what the line end said.
    if (par) FLine.Append("par ");
    FLine.AppendNext(FSource);
  } else {
    FLine.ReadNext(FSource);
    FPos = 0;
  }
  return true;
}

void TRtfScanner::TakeRestOfLine() {
  FLineEndPar = false;
  RestOfLine(FSource, FLine, FPos);
  FPos = 0;
}

void TRtfScanner::Unread() {
  if (!FLastEndedLine) {
    FPos = FTokenStart;
    return;
  }
  // The word's line has gone: the word is put back in front of the line that took its place, with a blank as its
  // delimiter, so that it reads as the document wrote it.
  std::string again = "\\" + FWordCopy + " ";
  again.append(FLine.View());
  FLine.Assign(again);
  FPos = 0;
  FLastEndedLine = false;
}

void TRtfScanner::HandBack() {
  FLineEndPar = false;
  FLine.Cut(FPos);
  JoinShortRemainder(FSource, FLine);
  FPos = 0;
}

void TRtfScanner::SkipGroup() {
  FLineEndPar = false;
  if (FMarked) {
    FPos = FindGroupEnd(FSource, FLine, FResume);
    return;
  }
  RestOfLine(FSource, FLine, FResume);
  SkipToGroupEnd(FSource, FLine);
  FPos = 0;
}

void TRtfScanner::Mark() {
  FMarked = true;
  if (FLastEndedLine) return;  // the whole new line is the look-ahead text, read from its start
  FLine.Cut(FTokenStart);
  FPos = FWordEnd - FTokenStart;
}

void TRtfScanner::Unmark() { FMarked = false; }

void TRtfScanner::Rewind() {
  FMarked = false;
  FLineEndPar = false;
  FPos = 0;
}

bool TRtfScanner::TakeEntry(std::string_view& Entry) {
  for (;;) {
    const size_t semicolon = FLine.Find(TNeedle::Semicolon, FPos);
    const size_t close = FLine.Find(TNeedle::CloseBrace, FPos);
    if (close != TWorkingLine::npos && (semicolon == TWorkingLine::npos || close < semicolon)) {
      FPos = close;
      return false;
    }
    if (semicolon == TWorkingLine::npos) {
      if (FSource.Eof()) {
        FPos = FLine.Length();
        return false;
      }
      FLine.AppendNext(FSource);
      continue;
    }
    Entry = FLine.Sub(FPos, semicolon - FPos);
    FLine.Cut(semicolon + 1);  // moves the line's start only: Entry stays valid
    FPos = 0;
    return true;
  }
}

}  // namespace pmrconv
