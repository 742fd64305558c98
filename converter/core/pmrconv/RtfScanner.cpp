#include "pmrconv/RtfScanner.h"

namespace pmrconv {

TToken TRtfScanner::ControlWord(size_t I, TLineJoin Join) {
  TToken token{TTokenKind::ControlWord};
  const size_t end = WordEnd(FLine, I + 1);
  FWord.assign(FLine.Sub(I + 1, end - I - 1));
  token.WordEnd = end;
  if (end < FLine.Length()) {
    // A blank delimiter belongs to the word; any other is scanned next.
    token.Next = FLine[end] == ' ' ? end + 1 : end;
  } else {
    // The word ends the line: it is acted on, and the scan goes on with the next line (or, at the end of the
    // input, the scan of this last line ends with it).
    token.Next = end;
    if (NextLine(token.Next, Join)) token.EndedLine = Join == TLineJoin::Replace;
  }
  return token;
}

TToken TRtfScanner::LineEndBackslash(size_t I) {
  if (!FSource.LineEnded()) return {TTokenKind::Dropped, I + 1};
  FWord = "par";
  FLineEndPar = true;
  TToken token{TTokenKind::ControlWord, I + 1};
  token.WordEnd = I + 1;
  return token;
}

}  // namespace pmrconv
