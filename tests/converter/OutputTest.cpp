// The line buffer: chunks written after a tag once more than 200 characters have gathered, cleaned of empty pairs.

#include <gtest/gtest.h>

#include <string>

#include "pmrconv/Context.h"
#include "pmrconv/HtmlOutput.h"

using namespace pmrconv;

namespace {

class LineBufferTest : public ::testing::Test {
protected:
  void SetUp() override {
    Context().LineBuffer.clear();
    Context().Sink = &FSink;
  }
  void TearDown() override {
    Context().Sink = nullptr;
    Context().LineBuffer.clear();
  }
  std::string FPage;
  TStringSink FSink{FPage};
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

TEST_F(LineBufferTest, WritesOnlyAfterMoreThan200CharactersEndingInATag) {
  const std::string text(199, 'x');
  EmitHtml(text);
  EmitHtml("<B>");  // 202 characters ending in ">": written
  EXPECT_EQ(FPage, text + "<B>\r\n");
  EXPECT_TRUE(Context().LineBuffer.empty());

  FPage.clear();
  EmitHtml(std::string(300, 'y'));
  EmitEscapedText("<");  // escaped text never closes a chunk
  EXPECT_EQ(FPage, "");
  EmitHtml("<I></I><BR>");  // cleaned before it is written
  EXPECT_EQ(FPage, std::string(300, 'y') + "&lt;<BR>\r\n");
}
