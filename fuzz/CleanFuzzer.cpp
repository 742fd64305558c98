// The clean-up of empty tag pairs against its plain passes (the Zufuncs steps, pass after pass), on tag soup built
// from the input: each byte picks a piece, mostly whole tags of the converter's kinds, sometimes stray "<" or ">".

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "Zufuncs.h"
#include "pmrconv/CleanByTokens.h"
#include "pmrconv/HtmlOutput.h"

namespace {

constexpr std::array<std::string_view, 40> kPieces = {
    "<B>", "</B>", "<I>", "</I>", "<U>", "</U>", "<SUP>", "</SUP>", "<SUB>", "</SUB>", "<S>", "</S>",
    "<CENTER>", "</CENTER>", "<DIV ALIGN=right>", "</DIV>", "<FONT SIZE=+1>", "<FONT SIZE=-2>", "<FONT SIZE=>",
    R"(<FONT COLOR="#FF0000">)", R"(<FONT COLOR="#000000">)", R"(<FONT FACE="Arial">)", R"(<FONT FACE="">)",
    R"(<FONT FACE="Times New Roman">)", "<FONT FACE=>", "</FONT>", "</FONT>", "</FONT>", "<BR>", "<P>", "<TD>",
    "</TD>", "x", "ab", "&amp;", " ", "<", ">", "<FONT ", "SIZE="};

// The design's passes, step by step, until a whole pass changes nothing.
std::string PlainPasses(std::string S) {
  static const std::vector<std::string> kCharacter = {"<B></B>", "<I></I>", "<U></U>",
                                                      "<SUP></SUP>", "<SUB></SUB>", "<S></S>"};
  static const std::vector<std::string> kBlock = {"<CENTER></CENTER>", "<DIV ALIGN=right></DIV>"};
  static const std::vector<std::string> kNoCharacter(kCharacter.size());
  static const std::vector<std::string> kNoBlock(kBlock.size());
  for (;;) {
    std::string next = Zufuncs::ReplaceList(kCharacter, kNoCharacter, S);
    next = Zufuncs::ReplaceList(kBlock, kNoBlock, next);
    next = Zufuncs::WildcardReplace("<FONT SIZE=*></FONT>", "", next, 3, "<>");
    next = Zufuncs::WildcardReplace("<FONT COLOR=*></FONT>", "", next, 9, "<>");
    next = Zufuncs::WildcardReplace("<FONT FACE=*></FONT>", "", next, 12, "<>");
    if (next == S) return S;
    S = std::move(next);
  }
}

[[noreturn]] void Fail(const char* What, const std::string& Text) {
  std::fprintf(stderr, "clean-up: %s for %zu characters: %.300s\n", What, Text.size(), Text.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  std::string soup;
  for (size_t i = 0; i < Size && soup.size() < 6000; ++i) soup.append(kPieces[Data[i] % kPieces.size()]);
  const std::string expected = PlainPasses(soup);

  if (pmrconv::CleanEmptyTags(soup) != expected) Fail("CleanEmptyTags differs from the plain passes", soup);
  std::string replayed = soup;
  if (pmrconv::detail::CleanEmptyTagsByTokens(replayed)) {
    if (replayed != expected) Fail("the replay on tags differs from the plain passes", soup);
  } else if (PlainPasses(replayed) != expected) {
    Fail("the passes the replay left do not finish like the plain passes", soup);
  }
  return 0;
}
