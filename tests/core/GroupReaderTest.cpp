// The group reader: text, escapes, groups and skipped destinations, seen through whole conversions.

#include <gtest/gtest.h>

#include "ConvertHelpers.h"

using namespace pmrconv;
using namespace pmrconv::test;

using GroupReader = ConverterTest;

TEST_F(GroupReader, EscapesTextAndWritesEscapedSymbolsBare) {
  EXPECT_EQ(Body("{\\rtf1 a<b&c>d}"), "a&lt;b&amp;c&gt;d");
  EXPECT_EQ(Body("{\\{\\}\\\\x\\~y\\-z\\_}"), "{}\\x y-z-");
  EXPECT_EQ(Body("{a\\1b\\.c}"), "abc");  // a backslash with any other character is dropped with it
  EXPECT_EQ(Body("{a\nb}"), "ab");        // a lone LF ends a line, as CR and CR LF do
}

TEST_F(GroupReader, ApostropheCodesGiveNamedCharactersOrTheByte) {
  EXPECT_EQ(Body("{\\'c4\\'d6\\'dc\\'e4\\'f6\\'fc\\'df\\'b7}"), "&Auml;&Ouml;&Uuml;&auml;&ouml;&uuml;&szlig;&middot;");
  EXPECT_EQ(Body("{\\'E4\\'41\\'e9}"), "\xe4" "A\xe9");  // the names are for the lower-case codes only
  // Markup characters written by code are escaped like typed ones.
  EXPECT_EQ(Body("{\\'3cb\\'3e\\'26}"), "&lt;b&gt;&amp;");
}

TEST_F(GroupReader, BadApostropheCodeEndsTheConversionWithThePageSoFar) {
  std::string page;
  try {
    ConvertText("{ok \\'4g more}", "t.rtf", page);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'g' ist kein gültiger Integerwert");
  }
  EXPECT_EQ(page, Head("t.rtf") + "ok \r\n" + std::string(kTail));
  EXPECT_THROW(ConvertText("{\\'4", "t.rtf"), EConvertError);  // the line ends inside the code
}

TEST_F(GroupReader, TextAcrossLinesIsJoinedWithoutLineEnds) {
  EXPECT_EQ(Body("{ab\r\ncd\r\n\r\nef}"), "abcdef");
}

TEST_F(GroupReader, EmptySourceGivesHeadEmptyLineAndTail) {
  EXPECT_EQ(ConvertText("", "t.rtf"), Head("t.rtf") + "\r\n" + std::string(kTail));
}

TEST_F(GroupReader, TheTitleIsWrittenAsText) {
  EXPECT_EQ(ConvertText("", "R&D.rtf"), Head("R&amp;D.rtf") + "\r\n" + std::string(kTail));
  EXPECT_EQ(ConvertText("x", "</TITLE><script>alert(1)</script>.rtf"),
            Head("&lt;/TITLE&gt;&lt;script&gt;alert(1)&lt;/script&gt;.rtf") + "x\r\n" + std::string(kTail));
  EXPECT_EQ(ConvertText("", "a\"b'\xe4.rtf"), Head("a\"b'\xe4.rtf") + "\r\n" + std::string(kTail));
}

TEST_F(GroupReader, SkipsDestinationsAndMarksPicturesAndBookmarks) {
  EXPECT_EQ(Body("{a{\\*\\generator Foo;}b}"), "ab");
  EXPECT_EQ(Body("{a{\\pict\\wmetafile8 0aff{\\*\\blipuid 12}}b}"), "a<P>[*** picture ***]<P>b");
  EXPECT_EQ(Body("{{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}x}"), "x");
  EXPECT_EQ(Body("{{\\*\\bkmkstart x}{\\*\\bkmkend x}{\\*\\bkmkstart y}z}"), "<P>z");
}

TEST_F(GroupReader, DestinationWordEndingALineSkipsIntoTheNextLines) {
  EXPECT_EQ(Body("{a{\\pict\r\n0102\r\n0304}b}"), "a<P>[*** picture ***]<P>b");
  EXPECT_EQ(Body("{a{\\*\\x\r\nskipped}\r\nb}"), "ab");
}

TEST_F(GroupReader, BinaryDataMayHoldBracesWhenNoEarlierBinIsOnTheLine) {
  EXPECT_EQ(Body("{{\\pict\\bin4 {{}}}after}"), "<P>[*** picture ***]<P>after");
  // The line end is data: CR LF two bytes, CR or LF one.
  EXPECT_EQ(Body("{{\\pict\\bin6 ab\r\n{}}after}"), "<P>[*** picture ***]<P>after");
  EXPECT_EQ(Body("{{\\pict\\bin5 ab\n{}}after}"), "<P>[*** picture ***]<P>after");
}

TEST_F(GroupReader, EscapedBracesInsideASkippedGroupDoNotEndIt) {
  EXPECT_EQ(Body("{a{\\*\\x b\\}c\\{d}e}"), "ae");
}

TEST_F(GroupReader, TextIsWrittenOnceWhenTheInputEndsInsideGroups) {
  EXPECT_EQ(Body("{\\rtf1 {\\b abc"), "<B>abc");
  EXPECT_EQ(Body("{x{y{z\r\n"), "xyz");
  EXPECT_EQ(Body("{a{\\pict 0123"), "a<P>[*** picture ***]<P>");  // none of the unfinished picture's data
}

TEST_F(GroupReader, AnExtraClosingBraceEndsTheDocument) {
  EXPECT_EQ(Body("{a}}b{c}"), "a");
}
