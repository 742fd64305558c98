#include "pmrconv/RtfScanner.h"

namespace pmrconv {

TToken TRtfScanner::LineEndBackslash(size_t I) {
  if (!FSource.LineEnded()) return {TTokenKind::Dropped, I + 1};
  FWord = "par";
  FLineEndPar = true;
  TToken token{TTokenKind::ControlWord, I + 1};
  token.WordEnd = I + 1;
  return token;
}

}  // namespace pmrconv
