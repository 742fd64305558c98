// The UTF-8 page: its head and title, \uN with its fallback and \ucN, surrogates, and what stays as on the 8-bit
// page.

#include <gtest/gtest.h>

#include <chrono>

#ifdef _WIN32
#include <windows.h>
#endif

#include "Utf8Helpers.h"

using namespace pmrconv;
using namespace pmrconv::test;

using Utf8Page = Utf8Test;

TEST_F(Utf8Page, HeadDeclaresTheCharsetAndEscapesTheTitle) {
  EXPECT_EQ(ConvertText("", "a<b&c.rtf", kUtf8Page), Utf8Head("a&lt;b&amp;c.rtf") + "\r\n" + std::string(kTail));
#ifdef _WIN32
  // The title is the name, given in the ANSI code page, in UTF-8.
  if (GetACP() == 1252) {
    EXPECT_EQ(ConvertText("", "Brief-\xfc.rtf", kUtf8Page), Utf8Head(U8(u8"Brief-\u00fc.rtf")) + "\r\n" + std::string(kTail));
  }
#else
  // The title is the name in UTF-8: a well-formed name stays, bytes that are no UTF-8 become U+FFFD.
  EXPECT_EQ(ConvertText("", U8(u8"Brief-\u00fc\u65e5.rtf"), kUtf8Page),
            Utf8Head(U8(u8"Brief-\u00fc\u65e5.rtf")) + "\r\n" + std::string(kTail));
  EXPECT_EQ(ConvertText("", "a\xfc" "b\xe6\x97.rtf", kUtf8Page),
            Utf8Head(U8(u8"a\ufffdb\ufffd\ufffd.rtf")) + "\r\n" + std::string(kTail));
#endif
}

TEST_F(Utf8Page, UnicodeWordGivesItsCharacterAndSkipsTheFallback) {
  EXPECT_EQ(Utf8Body("{\\rtf1 a\\u1087?b}"), U8(u8"a\u043fb"));
  EXPECT_EQ(Utf8Body("{\\u-26124?}"), U8(u8"\u99f4"));  // negative: N + 65536
  EXPECT_EQ(Utf8Body("{\\uc0\\u60\\u38 \\u62}"), "&lt;&amp;&gt;");
  // The fallback may itself be an escape; a control word counts as one character and is dropped.
  EXPECT_EQ(Utf8Body("{\\u1087\\'e4x}"), U8(u8"\u043fx"));
  EXPECT_EQ(Utf8Body("{\\uc2\\u1087\\b ?x}"), U8(u8"\u043fx"));
}

TEST_F(Utf8Page, SkipCountIsScopedToItsGroupAndEndsAtABrace) {
  EXPECT_EQ(Utf8Body("{\\uc0\\u1087 b}"), U8(u8"\u043fb"));
  EXPECT_EQ(Utf8Body("{\\uc2\\u1087??b}"), U8(u8"\u043fb"));
  EXPECT_EQ(Utf8Body("{\\uc2{\\uc0\\u1087}\\u1087??x}"), U8(u8"\u043f\u043fx"));
  EXPECT_EQ(Utf8Body("{\\uc3{\\u1087}abc}"), U8(u8"\u043fabc"));  // the group's "}" ends the skipping
  EXPECT_EQ(Utf8Body("{\\uc2\\u1087?{x}y}"), U8(u8"\u043fxy"));    // and so does a "{"
}

TEST_F(Utf8Page, SurrogatePairGivesOneCharacterAndALoneOneU_FFFD) {
  EXPECT_EQ(Utf8Body("{\\u-10180?\\u-8448?}"), U8(u8"\U0001F300"));
  EXPECT_EQ(Utf8Body("{\\uc0\\u55356\\u57088}"), U8(u8"\U0001F300"));
  EXPECT_EQ(Utf8Body("{\\u-10179?x}"), U8(u8"\ufffdx"));
  EXPECT_EQ(Utf8Body("{\\u-8448?x}"), U8(u8"\ufffdx"));
  EXPECT_EQ(Utf8Body("{\\u-10179?\\par}"), U8(u8"\ufffd<BR>"));
  EXPECT_EQ(Utf8Body("{\\u99999999999999?x}"), U8(u8"\ufffdx"));  // no character at all
}

TEST_F(Utf8Page, HiddenUnicodeIsDroppedAsHiddenTextIs) {
  EXPECT_EQ(Utf8Body("{{\\v a\\u1087?b}c}"), "c");
}

TEST_F(Utf8Page, TagsEscapesAndLinesStayAsOnThe8BitPageButLinesEndInsideTags) {
  EXPECT_EQ(Utf8Body("{\\{\\}\\\\x\\~y\\-z\\_<&>}"), "{}\\x y-z-&lt;&amp;&gt;");
  EXPECT_EQ(Utf8Body("{a\\b b\\b0\\tab c\\par}"), "a<B>b</B>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;c<BR>");
  // ASCII documents give the same body on both pages, but where the 8-bit page ends a line after a tag, the UTF-8
  // page ends it inside that tag: a browser shows no space there, also where the line ends inside a word.
  const std::string rtf = "{\\rtf1 " + Repeat("word \\b bo\\b0 ld pro{\\i st}\\ul atic\\ul0 a\\par ", 40) + "}";
  const std::string page = BodyOf(ConvertText(rtf, "t.rtf"));
  std::string utf8 = ConvertText(rtf, "t.rtf", kUtf8Page).substr(Utf8Head("t.rtf").size());
  utf8 = utf8.substr(0, utf8.size() - kTail.size());
  ASSERT_NE(page.find("pro<I>\r\nst"), std::string::npos);  // a browser shows "pro st"
  EXPECT_NE(utf8.find("pro<I\r\n>st"), std::string::npos);
  size_t lineEnds = 0;
  for (size_t at = utf8.find("\r\n"); at + 2 < utf8.size(); at = utf8.find("\r\n", at + 1)) {
    EXPECT_EQ(utf8[at + 2], '>') << at;  // the last line end is the page's own, before "</BODY>"
    ++lineEnds;
  }
  EXPECT_GT(lineEnds, 5u);
  EXPECT_EQ(Joined(utf8), Joined(page));
}

TEST_F(Utf8Page, TableCellsDecodeAndTheLookAheadReadsItsTextOnce) {
  // After the row the reader looks ahead for another row, here through the end of the \uc2 group and the document;
  // the group reader then reads that text again from the \pard, in the scopes as they were: \uc0 is in force.
  const std::string body =
      Utf8Body("{\\rtf1\\uc0{\\uc2\\trowd\\cellx100\\intbl \\u1087??\\cell\\row\\pard }\\u1088?z}");
  EXPECT_NE(body.find(U8(u8"<TD>\u043f</TD>")), std::string::npos) << body;
  EXPECT_TRUE(body.ends_with(U8(u8"\u0440?z"))) << body;
}

TEST_F(Utf8Page, DeepNestingAndManyLookAheadsStayLinear) {
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Utf8Body(Repeat("{", 1000000) + "\\u1087?" + Repeat("}", 1000000) + "y"), U8(u8"\u043fy"));
  // Every row end starts a look-ahead deep inside groups; each must cost what it reads, not the depth.
  const std::string rows = Repeat("\\trowd\\cellx100\\intbl a\\cell\\row\\pard {\\uc0\\u1087}", 20000);
  const std::string body = Utf8Body(Repeat("{", 100000) + rows + "\\pard end}");
  EXPECT_TRUE(body.ends_with("end")) << body.substr(body.size() - 100);
  EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 30.0);
}
