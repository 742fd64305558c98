// Small documents laid out as today's writers lay them out (Word, LibreOffice, TextEdit, converters on Linux and
// macOS), each asserting the exact page.

#include <gtest/gtest.h>

#include "ConvertHelpers.h"
#include "pmrconv/HtmlOutput.h"

using namespace pmrconv;
using namespace pmrconv::test;

namespace {

// The whole page of a body that goes out as the last (or only) chunk.
std::string PageOf(std::string_view Body) { return Head("t.rtf") + std::string(Body) + "\r\n" + std::string(kTail); }

}  // namespace

using WriterLayouts = ConverterTest;

TEST_F(WriterLayouts, LineEndsNeverChangeThePage) {
  const std::string lf = "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\n\\pard\\cf1 H\neading\\par\n}";
  const std::string page = PageOf("<FONT COLOR=\"#FF0000\">Heading<BR></FONT>");
  for (const char* end : {"\n", "\r\n", "\r"}) EXPECT_EQ(ConvertText(WithLineEnds(lf, end), "t.rtf"), page) << end;
}

TEST_F(WriterLayouts, ColourTablesAreReadWhateverElseTheirLineHolds) {
  EXPECT_EQ(ConvertText("{\\rtf1{\\colortbl\\red0\\green0\\blue255;}\\pard\\cf0 blue\\par}", "t.rtf"),
            PageOf("<FONT COLOR=\"#0000FF\">blue<BR></FONT>"));
  EXPECT_EQ(ConvertText("{\\rtf1{\\colortbl;\\red0\\green128\\blue0;}\\pard\\cf1 green\\cf0 black\\par}", "t.rtf"),
            PageOf("<FONT COLOR=\"#008000\">green</FONT><FONT COLOR=\"#000000\">black<BR></FONT>"));
}

TEST_F(WriterLayouts, FontTablesOverManyLinesWithCodesInNames) {
  const std::string word =
      "{\\rtf1{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}\r\n{\\f1\\fswiss\\fcharset0\r\nArial;}"
      "{\\f2\\fnil\\fcharset128 \\'82\\'6c\\'82\\'72 Gothic;}{\\f3\\fmodern Courier\r\n;}}\r\n\\f1 a\\f2 b\\f3 c\\par}";
  EXPECT_EQ(ConvertText(word, "t.rtf"), PageOf("<FONT FACE=\"Arial\">a</FONT><FONT FACE=\"\x82l\x82r Gothic\">b</FONT>"
                                               "<FONT FACE=\"Courier\">c<BR></FONT>"));
  EXPECT_EQ(Context().FontTable[0].name, "Times New Roman");
}

TEST_F(WriterLayouts, FontTablesWithoutAGroupPerEntry) {
  const std::string mac =
      "{\\rtf1\\ansi{\\fonttbl\\f0\\fswiss\\fcharset0 Helvetica;\\f1\\fnil\\fcharset0 Menlo-Regular;}\n"
                          "\\f0 text \\f1 code\\par\n}";
  EXPECT_EQ(ConvertText(mac, "t.rtf"),
            PageOf("<FONT FACE=\"Helvetica\">text </FONT><FONT FACE=\"Menlo-Regular\">code<BR></FONT>"));
}

TEST_F(WriterLayouts, ControlWordsKeepTheirCapitals) {
  EXPECT_EQ(ConvertText("{\\rtf1\\trowd\\trftsWidth3\\clwWidth2831\\cellx2831\\pard\\intbl A\\cell\\row\\pard\\pard x"
                        "\\mmathPr\\par}",
                        "t.rtf"),
            PageOf("<BR><TABLE BORDER=2><TR><TD>A</TD></TR></TABLE><P>x<BR>"));
  // The parameter ends the word as before: a capital after it is text.
  EXPECT_EQ(Body("{\\b0Hello \\fs24World}"), "Hello <FONT SIZE=+0>World</FONT>");
}

TEST_F(WriterLayouts, ABackslashBeforeALineEndIsAParagraphBreak) {
  EXPECT_EQ(ConvertText("{\\rtf1\\ansi\\f0\\fs24 one\\\ntwo\\\n}", "t.rtf"),
            PageOf("<FONT FACE=\"\"><FONT SIZE=+0>one<BR>two<BR></FONT></FONT>"));
  EXPECT_EQ(Body("{\\trowd A\\\r\nB\\cell\\row\\pard\\pard z}"),
            "<BR><TABLE BORDER=2><TR><TD>A<BR>B</TD></TR></TABLE><P>z");
  // Also in the text that a table's look-ahead joins and the group reader reads again.
  EXPECT_EQ(Body("{\\trowd A\\cell\\row\\pard after\\\nmore\\\n\\pard end}"),
            "<BR><TABLE BORDER=2><TR><TD>A</TD></TR></TABLE><P>after<BR>more<BR>end");
  EXPECT_EQ(Body("{a\\"), "a");  // at the very end of the input it is still dropped
}

TEST_F(WriterLayouts, TheCleanUpNeverRemovesText) {
  const std::string rtf = "{\\rtf1 {\\f9 Code\\line}" + std::string(200, 'x') + "\\b y\\b0 z}";
  EXPECT_EQ(ConvertText(rtf, "t.rtf"),
            Head("t.rtf") + "<FONT FACE=\"\">Code<BR></FONT>" + std::string(200, 'x') + "<B>\r\ny</B>z\r\n" +
                std::string(kTail));
  EXPECT_EQ(CleanEmptyTags("<FONT FACE=\"\">Code<BR></FONT><FONT SIZE=+1></FONT>"), "<FONT FACE=\"\">Code<BR></FONT>");
}

TEST_F(WriterLayouts, BinaryDataIsSkippedByteForByteCtrlZAndCrLfIncluded) {
  EXPECT_EQ(ConvertText("{\\rtf1 before{\\pict\\bin4 a\r\n}}after\\par}", "t.rtf"),
            PageOf("before<P>[*** picture ***]<P>after<BR>"));
  EXPECT_EQ(ConvertText(std::string("{\\rtf1 before{\\pict\\bin2 a\x1a}after\\par}"), "t.rtf"),
            PageOf("before<P>[*** picture ***]<P>after<BR>"));
  // A Ctrl-Z that begins the line after a line end in the data is data as well.
  EXPECT_EQ(ConvertText(std::string("{\\rtf1 before{\\pict\\bin5 a\r\n\x1a" "b}after\\par}\r\n\x1atrailing"), "t.rtf"),
            PageOf("before<P>[*** picture ***]<P>after<BR>"));
  EXPECT_EQ(ConvertText(std::string("{\\rtf1 a\x1a b}"), "t.rtf"), PageOf("a"));  // elsewhere it ends the input
}

TEST_F(WriterLayouts, ErrorMessagesNameNulBytes) {
  std::string page;
  try {
    ConvertText(std::string("{\\rtf1 x\\'\0\0 y}", 16), "t.rtf", page);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'#0' ist kein gültiger Integerwert");
  }
  EXPECT_EQ(page, PageOf("x"));
}
