// Faults that fuzzing and the review of its findings turned up, kept as regression cases.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "ConvertHelpers.h"
#include "CleanReference.h"
#include "pmrconv/HtmlOutput.h"

using namespace pmrconv;
using namespace pmrconv::test;

namespace {

template <typename TStep>
double SecondsFor(TStep&& Step) {
  const auto start = std::chrono::steady_clock::now();
  Step();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

// Each plain pass removes one layer of a nest and copies the whole line; a table cell's text goes out as one line,
// so a cell of many \b words used to cost the square of its length.
TEST(CleanEmptyTags, DeepNestsInOneLineCleanInLinearTime) {
  const size_t n = 100000;
  struct TCase {
    std::string Line;
    std::string Clean;
  };
  const std::string firstSizeNotEmpty = "<FONT SIZE=+1>x</FONT>" + Repeat("<B>", n) + "<FONT SIZE=+1></FONT>";
  const TCase cases[] = {
      {"<TD>" + Repeat("<B>", n) + Repeat("</B>", n) + "</TD>", "<TD></TD>"},
      {"x" + Repeat("<SUB><CENTER>", n) + Repeat("</CENTER></SUB>", n) + "<BR>", "x<BR>"},
      {R"(<FONT COLOR="#FF0000">)" + Repeat("<I><U>", n) + Repeat("</U></I>", n) + "</FONT>", ""},
      // Only the first size tag is ever tried: a non-empty one keeps every later empty one, and the bold around it.
      {firstSizeNotEmpty + Repeat("</B>", n), firstSizeNotEmpty + Repeat("</B>", n)},
  };
  for (const TCase& c : cases) {
    std::string clean;
    EXPECT_LT(SecondsFor([&] { clean = CleanEmptyTags(c.Line); }), 5.0) << c.Line.substr(0, 40);
    EXPECT_EQ(clean, c.Clean) << c.Line.substr(0, 40);
  }
}

// Long lines are cleaned by a replay of the passes on their tags: it must give what the passes give, also for the
// quirks of the wildcard steps and for text that is not made of whole tags.
TEST(CleanEmptyTags, LongLinesCleanAsThePlainPassesDo) {
  const std::string cases[] = {
      "<B><I></I>x<FONT SIZE=+1></FONT></B>",
      "<B><S></S></B><S><B></B></S>",  // a pair that a later step of the pass uncovers, and one for the next pass
      R"(<FONT FACE="Ab"><B></FONT>)",  // the middle may hold a tag when it stays within 12 characters
      R"(<FONT FACE="Ab"><B></B></FONT><B>)",
      "<FONT SIZE=+1></FONT>x<FONT SIZE=+2>y</FONT><FONT SIZE=+1></FONT>",  // every copy of the first match goes
      "<FONT SIZE=+1><FONT SIZE=+1></FONT></FONT>",
      R"(<FONT FACE="Times New Roman"></FONT><FONT FACE="Arial"></FONT>)",
      "<FONT FACE=><FONT FACE=></FONT></FONT>",
      "<FONT SIZE=><I></FONT></I>",
      R"(<FONT COLOR="#000000"><FONT SIZE=-2></FONT></FONT>x)",
      "<B><</B>",  // not whole tags: the plain passes do the work
      "a>b<B></B>",
      "<B></B",
  };
  for (const std::string& c : cases) {
    for (const size_t depth : {size_t{0}, size_t{400}}) {
      const std::string line = Repeat("<U>", depth) + c + Repeat("</U>", depth);
      EXPECT_EQ(CleanEmptyTags(line), PlainPasses(line)) << c << " at depth " << depth;
    }
  }
}

TEST_F(ConverterTest, ManyBoldWordsInATableCellConvertInTime) {
  const size_t n = 20000;
  const std::string rtf = "{\\rtf1\\trowd A\\cell" + Repeat("\\b", n) + "\\cell}";
  std::string body;
  EXPECT_LT(SecondsFor([&] { body = Body(rtf); }), 5.0);
  EXPECT_EQ(body, "<BR><TABLE BORDER=2><TR><TD>A</TD><TD><B></B></TD>");  // one bold: it was already on
}
