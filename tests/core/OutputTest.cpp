// The line buffer: chunks written after a tag once more than 200 characters have gathered, cleaned of empty pairs.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "CleanReference.h"
#include "pmrconv/HtmlOutput.h"

using namespace pmrconv;
using namespace pmrconv::test;

namespace {

class LineBufferTest : public ::testing::Test {
protected:
  void SetUp() override { FOutput.Sink = &FSink; }
  void EmitHtml(std::string_view Text) { FOutput.EmitHtml(Text); }
  void EmitEscapedText(std::string_view Text) { FOutput.EmitEscapedText(Text); }

  std::string FPage;
  TStringSink FSink{FPage};
  THtmlOutput FOutput;
};

}  // namespace

TEST(CleanEmptyTags, RemovesNestedEmptyPairsOverSeveralPasses) {
  EXPECT_EQ(CleanEmptyTags("<B><I></I>x<FONT SIZE=+1></FONT></B>"), "<B>x</B>");
  EXPECT_EQ(CleanEmptyTags("<B><I></I></B>x<FONT SIZE=+1></FONT>"), "x");
  EXPECT_EQ(CleanEmptyTags(R"(<CENTER><FONT COLOR="#FF0000"><U></U></FONT></CENTER>y)"), "y");
  EXPECT_EQ(CleanEmptyTags(R"(<FONT FACE="Arial"><S></S></FONT>)"), "");
  const std::string longFace = R"(<FONT FACE="Times New Roman"></FONT>)";
  EXPECT_EQ(CleanEmptyTags(longFace), longFace);
  EXPECT_EQ(CleanEmptyTags("<B>a</B><DIV ALIGN=right></DIV>"), "<B>a</B>");
}

// The quick test that lets clean chunks skip the clean-up must agree with a real pass on every chunk, including
// near misses: pairs split by text, middles one character too long, a second prefix behind a failing first one.
TEST(CleanEmptyTags, QuickCheckAgreesWithAPassOnMixedTagSoup) {
  const std::vector<std::string> pieces = {
      "<B>", "</B>", "<I>", "</I>", "<U>", "</U>", "<SUP>", "</SUP>", "<SUB>", "</SUB>", "<S>", "</S>",
      "<CENTER>", "</CENTER>", "<DIV ALIGN=right>", "</DIV>", "<FONT SIZE=", "<FONT COLOR=", "<FONT FACE=",
      "+1>", "-2>", "\"#FF0000\">", "\"Arial\">", "\"Times New Roman\">", "</FONT>", "></FONT>", "x", "ab",
      "<", ">", "/", "<BR>", "</TD>", "&gt;", "\"", "<FONT "};
  uint64_t state = 12345;
  auto next = [&state] {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return static_cast<size_t>(state >> 33);
  };
  int changing = 0;
  for (int round = 0; round < 20000; ++round) {
    std::string s;
    for (size_t n = next() % 12; n > 0; --n) s += pieces[next() % pieces.size()];
    const bool unchanged = OneCleanPass(s) == s;
    ASSERT_EQ(detail::CleanPassChangesNothing(s), unchanged) << s;
    changing += unchanged ? 0 : 1;
  }
  EXPECT_GT(changing, 500);  // the soup holds enough empty pairs to test both answers
}

TEST_F(LineBufferTest, WritesOnlyAfterMoreThan200CharactersEndingInATag) {
  const std::string text(199, 'x');
  EmitHtml(text);
  EmitHtml("<B>");  // 202 characters ending in ">": written
  EXPECT_EQ(FPage, text + "<B>\r\n");
  EXPECT_TRUE(FOutput.LineBuffer.empty());

  FPage.clear();
  EmitHtml(std::string(300, 'y'));
  EmitEscapedText("<");  // escaped text never closes a chunk
  EXPECT_EQ(FPage, "");
  EmitHtml("<I></I><BR>");  // cleaned before it is written
  EXPECT_EQ(FPage, std::string(300, 'y') + "&lt;<BR>\r\n");
}

TEST_F(LineBufferTest, LineEndsInsideTagsKeepWordsWholeAndLinesEndingInTextJoinTheNext) {
  FOutput.LineEndsInsideTags = true;
  const std::string text(199, 'x');
  EmitHtml(text);
  EmitHtml("</B>");  // the line end goes before the tag's ">", which starts the next line
  EXPECT_EQ(FPage, text + "</B\r\n>");
  EmitHtml("y");
  EXPECT_EQ(FPage, text + "</B\r\n>");

  // A line that the clean-up leaves ending in text is written without a line end: the next line continues it.
  FPage.clear();
  EmitHtml(std::string(300, 'z') + "<I></I>");
  EXPECT_EQ(FPage, "y" + std::string(300, 'z'));
  EmitHtml(std::string(200, 'w') + "<BR>");
  EXPECT_EQ(FPage, "y" + std::string(300, 'z') + std::string(200, 'w') + "<BR\r\n>");
}
