// Control-word translation: formatting tags, resets, face, size and colour, and their errors.

#include <gtest/gtest.h>

#include "ConvertHelpers.h"
#include "pmrconv/ControlWords.h"

using namespace pmrconv;
using namespace pmrconv::test;

using ControlWords = ConverterTest;

namespace {

// Expects the conversion of Rtf to fail with an error of type TError and Message, leaving Body before the tail.
template <typename TError>
void ExpectError(std::string_view Rtf, const std::string& Message, const std::string& Body) {
  std::string page;
  try {
    ConvertText(Rtf, "t.rtf", page);
    ADD_FAILURE() << "no error for " << Rtf;
  } catch (const TError& e) {
    EXPECT_EQ(e.Message(), Message) << Rtf;
  }
  EXPECT_EQ(page, Head("t.rtf") + Body + "\r\n" + std::string(kTail)) << Rtf;
}

}  // namespace

TEST_F(ControlWords, CharacterFormattingOpensAndClosesItsTags) {
  EXPECT_EQ(Body("{\\rtf1 a\\b b\\b0 c}"), "a<B>b</B>c");
  EXPECT_EQ(Body("{\\b x{\\i y}z}"), "<B>x<I>y</I>z</B>");
  EXPECT_EQ(Body("{\\b x{\\b0 y}}"), "<B>xy</B>");  // the nested group cannot close the outer bold
  EXPECT_EQ(Body("{\\ul u\\ulnone\\uldb v\\ul0\\strike s\\strike0\\strikedl t\\strikedl0}"),
            "<U>u</U><U>v</U><S>s</S><S>t</S>");
  EXPECT_EQ(Body("{\\super a\\nosupersub\\up6 b\\dn6 c\\upr d}"), "<SUP>a</SUP><SUP>b<SUB>cd</SUB></SUP>");
  EXPECT_EQ(Body("{\\fi-360\\field\\qj\\rtf1\\deff0 x}"), "x");
}

TEST_F(ControlWords, ClosingATagReopensTheOnesAboveIt) {
  EXPECT_EQ(Body("{\\b x\\i y\\b0 z}"), "<B>x<I>y</I></B><I>z</I>");
  EXPECT_EQ(Body("{\\b x\\i y\\b0 z\\i0 w}"), "<B>x<I>y</I></B><I>z</I>w");
  // The reopened tags are still in force, so the reset words find them.
  EXPECT_EQ(Body("{\\b\\i x\\b0 y\\plain z}"), "<B><I>x</I></B><I>y</I>z");
  EXPECT_EQ(Body("{\\qr\\fs20 a\\fs24 b\\pard c}"),
            "<DIV ALIGN=right><FONT SIZE=-1>a</FONT><FONT SIZE=+0>b</FONT></DIV><FONT SIZE=+0>c</FONT>");
}

TEST_F(ControlWords, AFormatAlreadyOnOpensNothing) {
  EXPECT_EQ(Body("{\\b\\b x\\b0 y}"), "<B>x</B>y");
  EXPECT_EQ(Body("{\\qr a\\qr b\\pard c}"), "<DIV ALIGN=right>ab</DIV>c");
  EXPECT_EQ(Body("{\\ul\\uldb\\ulwave a\\ulnone\\strike\\strikedl b\\strike0 c}"), "<U>a</U><S>b</S>c");
  EXPECT_EQ(Body("{\\super\\up6 a\\sub\\dn4 b\\nosupersub c}"), "<SUP>a<SUB>b</SUB></SUP>c");
  // Face, size and colour replace the one in force, even when it is the same.
  EXPECT_EQ(Body("{\\fs24\\fs24 a}"), "<FONT SIZE=+0></FONT><FONT SIZE=+0>a</FONT>");
}

TEST_F(ControlWords, ClosingWhatIsNotOpenWritesNothing) {
  EXPECT_EQ(Body("{\\i a\\b0 b\\ul0\\strike0 c\\nosupersub d\\i0 e\\b0 f}"), "<I>abcd</I>ef");
  EXPECT_EQ(Body("{\\b\\i a\\nosupersub\\pard\\plain b}"), "<B><I>a</I></B>b");
}

TEST_F(ControlWords, BreaksQuotesAndTabs) {
  EXPECT_EQ(Body("{a\\par b\\sect c\\line d\\page e\\tab f}"),
            "a<BR>b<BR>c<BR>d<BR><P>e&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;f");
  EXPECT_EQ(Body("{\\lquote a\\rquote \\ldblquote b\\rdblquote}"), "'a'\"b\"");
}

TEST_F(ControlWords, ResetWordsCloseWhatTheyCover) {
  EXPECT_EQ(Body("{\\b x\\i y\\plain z}"), "<B>x<I>y</I></B>z");
  EXPECT_EQ(Body("{\\qc\\b x\\pard y}"), "<CENTER><B>x</B></CENTER><B>y</B>");  // pard closes alignment only
  EXPECT_EQ(Body("{\\qr x\\ql y\\qc z\\sectd w}"), "<DIV ALIGN=right>x</DIV>y<CENTER>z</CENTER>w");
  EXPECT_EQ(Body("{\\qc\\i x\\resetall y}"), "<CENTER><I>x</I></CENTER>y");
}

TEST_F(ControlWords, HiddenTextDropsOnlyPlainCharacters) {
  EXPECT_EQ(Body("{{\\v hidden}shown}"), "shown");
  EXPECT_EQ(Body("{\\v a{b}c}"), "bc");  // the nested group clears hidden text when it begins
  EXPECT_EQ(Body("{\\v a\\{\\'e4\\b b\\v0 c\\v d\\plain e}"), "{&auml;<B>c</B>e");
}

TEST_F(ControlWords, BookmarkParagraphComesBackAfterPar) {
  EXPECT_EQ(Body("{{\\*\\bkmkstart x}{\\*\\bkmkstart y}a\\par{\\*\\bkmkstart z}b}"), "<P>a<BR><P>b");
}

TEST_F(ControlWords, FontSizesAreHalfPointsRoundedTowardZero) {
  EXPECT_EQ(FontSizeTag(12), "<FONT SIZE=+0>");
  EXPECT_EQ(Body("{\\fs24 a\\fs20 b\\fs17 c\\fs60 d}"),
            "<FONT SIZE=+0>a</FONT><FONT SIZE=-1>b</FONT><FONT SIZE=-2>c</FONT><FONT SIZE=+4>d</FONT>");
  const std::pair<int32_t, std::string> sizes[] = {{-3, "-2"}, {8, "-2"}, {9, "-1"}, {11, "-1"}, {13, "+1"},
                                                   {15, "+1"}, {16, "+2"}, {20, "+2"}, {21, "+3"}, {28, "+3"},
                                                   {29, "+4"}};
  for (const auto& [points, value] : sizes) EXPECT_EQ(FontSizeTag(points), "<FONT SIZE=" + value + ">") << points;
}

TEST_F(ControlWords, FaceAndColourTagsReplaceTheirPredecessor) {
  EXPECT_EQ(Body("{{\\fonttbl{\\f0 Arial;}{\\f7 Courier New;}}\\f0 a\\f7 b\\f99 c}"),
            "<FONT FACE=\"Arial\">a</FONT><FONT FACE=\"Courier New\">b</FONT><FONT FACE=\"\">c</FONT>");
  EXPECT_EQ(Body("{{\\colortbl;\\red1\\green2\\blue3;\\red4\\green5\\blue6;}\\cf1 a\\cf5 b\\cf0 c}"),
            "<FONT COLOR=\"#010203\">a</FONT><FONT COLOR=\"#040506\">b</FONT><FONT COLOR=\"#000000\">c</FONT>");
  EXPECT_EQ(Body("{{\\fonttbl{\\f1 " + std::string(40, 'N') + ";}}\\f1 x}"),
            "<FONT FACE=\"" + std::string(31, 'N') + "\">x</FONT>");  // no face name is longer
  // A face name is an attribute value: a quote or markup in it cannot break out of the tag.
  EXPECT_EQ(Body("{{\\fonttbl{\\f1 A\"><B>;}}\\f1 x}"), "<FONT FACE=\"A&quot;&gt;&lt;B&gt;\">x</FONT>");
}

TEST_F(ControlWords, ParametersThatAreNoIntegersEndTheConversion) {
  ExpectError<EConvertError>("{a\\f1x b}", "'1x' ist kein gültiger Integerwert", "a");
  ExpectError<EConvertError>("{a\\fs b}", "'' ist kein gültiger Integerwert", "a");
  ExpectError<EConvertError>("{\\b a\\fswiss b}", "'wiss' ist kein gültiger Integerwert", "<B>a");
  ExpectError<EConvertError>("{{\\colortbl;}a\\cfpat1 b}", "'pat1' ist kein gültiger Integerwert", "a");
  ExpectError<EConvertError>("{a\\fs99999999999 b}", "'99999999999' ist kein gültiger Integerwert", "a");
  ExpectError<EConvertError>("{a\\f2147483648 b}", "'2147483648' ist kein gültiger Integerwert", "a");
  EXPECT_EQ(Body("{\\fs-2147483648 a}"), "<FONT SIZE=-2>a</FONT>");
}

TEST_F(ControlWords, ColourReferencesTheTableCannotAnswerEndTheConversion) {
  ExpectError<EListError>("{a\\cf1 b}", "Der Index der Liste überschreitet das Maximum (-1)", "a");
  ExpectError<EListError>("{a\\cf-5 b}", "Der Index der Liste überschreitet das Maximum (-1)", "a");
  ExpectError<EListError>("{{\\colortbl;}a\\cf-2 b}", "Der Index der Liste überschreitet das Maximum (-2)", "a");
  EXPECT_STREQ(EListError("x").ClassName(), "EListError");
}

TEST_F(ControlWords, PlainDoesNotReachTagsOfAnOuterTableLevel) {
  TTagStack stack;
  format f;
  EXPECT_EQ(TranslateControlWord("b", stack, f, 1), "<B>");
  EXPECT_EQ(TranslateControlWord("plain", stack, f, 2), "");
  EXPECT_TRUE(f.bold);
  EXPECT_EQ(TranslateControlWord("plain", stack, f, 1), "</B>");
  EXPECT_FALSE(f.bold);
}

TEST_F(ControlWords, TheLastChunkIsWrittenWithoutCleaning) {
  EXPECT_EQ(Body("{x\\b\\b0}"), "x<B></B>");
}
