#include "pmrconv/RtfScanner.h"

#include <utility>

#include "pmrconv/SkipGroup.h"

namespace pmrconv {

TRtfScanner::TRtfScanner(TLineSource& Source) : FSource(Source) { FLine.ReadNext(Source); }

TToken TRtfScanner::RefillAndNext() {
  while (FPos >= FLine.Length()) {
    if (!NextLine()) return {TTokenKind::End};
  }
  return Next();
}

TToken TRtfScanner::WordEndingLine(std::string_view Word) {
  // The word ends the line: it is acted on, and the scan goes on with the next line (or, at the end of the input,
  // the scan of this last line ends with it).
  FWordCopy.assign(Word);  // the next line may take the word's place
  const bool replaced = NextLine() && !FMarked;
  FResume = FPos;
  FLastEndedLine = replaced;
  return {TTokenKind::ControlWord, FWordCopy, replaced};
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
