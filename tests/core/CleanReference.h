#pragma once
// The clean-up of empty tag pairs written out step by step with Zufuncs, independently of the tag table, as the
// reference the quick check and the replay on tags must agree with.

#include <string>
#include <vector>

#include "Zufuncs.h"

namespace pmrconv::test {

// One pass: the literal pairs, then the three font patterns, whose value holds no "<" or ">".
inline std::string OneCleanPass(const std::string& S) {
  const std::vector<std::string> pairs = {"<B></B>", "<I></I>", "<U></U>", "<SUP></SUP>", "<SUB></SUB>", "<S></S>"};
  const std::vector<std::string> blocks = {"<CENTER></CENTER>", "<DIV ALIGN=right></DIV>"};
  std::string s = Zufuncs::ReplaceList(pairs, std::vector<std::string>(pairs.size()), S);
  s = Zufuncs::ReplaceList(blocks, std::vector<std::string>(blocks.size()), s);
  s = Zufuncs::WildcardReplace("<FONT SIZE=*></FONT>", "", s, 3, "<>");
  s = Zufuncs::WildcardReplace("<FONT COLOR=*></FONT>", "", s, 9, "<>");
  return Zufuncs::WildcardReplace("<FONT FACE=*></FONT>", "", s, 12, "<>");
}

// Pass after pass until a pass changes nothing.
inline std::string PlainPasses(std::string S) {
  for (;;) {
    std::string s = OneCleanPass(S);
    if (s == S) return s;
    S = std::move(s);
  }
}

}  // namespace pmrconv::test
