// The table reader: rows and cells, the look-ahead past a row end, and the text handed back afterwards.

#include <gtest/gtest.h>

#include "ConvertHelpers.h"

using namespace pmrconv;
using namespace pmrconv::test;

using TableReader = ConverterTest;

namespace {
constexpr std::string_view kOpen = "<BR><TABLE BORDER=2><TR><TD>";
std::string Table(std::string_view Html) { return std::string(kOpen) + std::string(Html); }
}  // namespace

TEST_F(TableReader, CellsCloseTheirTagsAndTheNextCellReopensThem) {
  // The bold goes on in the second cell, as in the document; the brace closes only what its level opened.
  EXPECT_EQ(Body("{\\trowd \\b A\\cell B {\\i C\\b x}D\\cell\\row\\pard\\pard z}"),
            Table("<B>A</B></TD><TD><B>B <I>C<B>x</B></I>D</B></TD></TR></TABLE><P>z"));
  EXPECT_EQ(Body("{\\trowd\\qc\\b A\\cell B\\cell\\row\\pard\\pard z}"),
            Table("<CENTER><B>A</B></CENTER></TD><TD><CENTER><B>B</B></CENTER></TD></TR></TABLE><P>z"));
  EXPECT_EQ(Body("{\\trowd {\\b\\i A\\cell B}C\\cell\\row\\pard\\pard z}"),
            Table("<B><I>A</I></B></TD><TD><B><I>B</I></B>C</TD></TR></TABLE><P>z"));
  EXPECT_EQ(Body("{\\trowd \\b A\\row\\pard\\pard z}"), Table("<B>A</B></TR></TABLE><P>z"));  // closed at the row end
}

TEST_F(TableReader, TheGroupsFormattingClosesAroundTheTable) {
  // Centring and bold of the paragraph before the table neither run on through the cells nor leave the group.
  EXPECT_EQ(Body("{\\qc\\b Title\\par\\trowd \\pard\\plain\\intbl A\\cell\\row\\pard\\pard z\\b0 w}"),
            "<CENTER><B>Title<BR></B></CENTER>" + Table("A</TD></TR></TABLE><P><CENTER><B></B></CENTER><B>z</B>w"));
}


TEST_F(TableReader, ParagraphsInCellsBecomeBreaks) {
  EXPECT_EQ(Body("{\\trowd A\\par a\\cell B\\par b\\cell\\row\\pard\\pard z}"),
            Table("A<BR>a</TD><TD>B<BR>b</TD></TR></TABLE><P>z"));
}

TEST_F(TableReader, WidctlparWithIntblAfterItDoesNotStartALookAhead) {
  EXPECT_EQ(Body("{\\trowd A\\cell\\row\\widctlpar\\intbl\\trowd B\\cell\\row\\widctlpar x\\pard y}"),
            Table("A</TD></TR><TR><TD>B</TD></TR></TABLE><P>xy"));
}

TEST_F(TableReader, TheLookAheadSpansLinesAndIsReadAgainAfterTheTable) {
  EXPECT_EQ(Body("{\\trowd A\\cell\\row\r\n\\pard first\r\nline\\par\r\n\\pard second}"),
            Table("A</TD></TR></TABLE><P>firstline<BR>second"));
  EXPECT_EQ(Body("{\\trowd A\\cell\\row\\pard\r\nfirst\\pard second}"),  // the word ended its line
            Table("A</TD></TR></TABLE><P>firstsecond"));
}

TEST_F(TableReader, DestinationsReadAheadReachThePageOnceWithTheTextAroundThem) {
  EXPECT_EQ(Body("{\\trowd A\\cell\\row\\pard x{\\*\\bkmkstart m}y{\\pict 00}z\\pard w}"),
            Table("A</TD></TR></TABLE><P>x<P>y<P>[*** picture ***]<P>zw"));
  // A destination word in a group opened before the look-ahead keeps the text read ahead of it.
  EXPECT_EQ(Body("{\\b{\\trowd A\\cell\\row\\pard before\\footnote inner} after\\pard end}}"),
            "<B>" + Table("A</TD></TR></TABLE><P>before afterend</B>"));
}

TEST_F(TableReader, HiddenTextReadAheadDoesNotHideTheTextReadAgain) {
  EXPECT_EQ(Body("{\\trowd A\\cell\\row\\pard shown\\v hid\\pard more}"), Table("A</TD></TR></TABLE><P>shown"));
}

TEST_F(TableReader, InputEndingInsideATableWritesNoTableEndAndNothingTwice) {
  EXPECT_EQ(Body("{\\trowd A\\cell B"), Table("A</TD>"));
  EXPECT_EQ(Body("{\\trowd A\\cell\r\nB\\cell"), Table("A</TD><TD>B</TD>"));
  EXPECT_EQ(Body("{\\trowd A\\cell\\row\\pard tail text"), Table("A</TD></TR>tail text"));
}

TEST_F(TableReader, ErrorsInsideATableKeepThePageSoFar) {
  std::string page;
  EXPECT_THROW(ConvertText("{\\trowd A\\cell B\\fs x}", "t.rtf", page), EConvertError);
  EXPECT_EQ(page, Head("t.rtf") + Table("A</TD>") + "\r\n" + std::string(kTail));
}
