// The UTF-8 page: \'xx and 8-bit text decoded by the code page in force (font charset, \ansicpg, \ansi \mac \pc
// \pca), double-byte code pages, font names in their own charset, and symbol fonts.

#include <gtest/gtest.h>

#include <string>

#include "Utf8Helpers.h"

using namespace pmrconv;
using namespace pmrconv::test;

using Utf8CodePages = Utf8Test;

namespace {

// A document with one font of the given charset as \f1.
std::string WithFont(std::string_view Header, std::string_view Font, std::string_view Text) {
  return "{\\rtf1" + std::string(Header) + "{\\fonttbl{\\f0\\fswiss Arial;}{\\f1" + std::string(Font) + ";}}" +
         std::string(Text) + "}";
}

}  // namespace

TEST_F(Utf8CodePages, DocumentKeywordsChooseTheCodePage) {
  EXPECT_EQ(Utf8Body("{\\rtf1\\ansi \\'e4\\'80\\'c4x}"), U8(u8"\u00e4\u20ac\u00c4x"));  // no named entities
  EXPECT_EQ(Utf8Body("{\\rtf1 \xe4\x80}"), U8(u8"\u00e4\u20ac"));                       // raw bytes alike
  EXPECT_EQ(Utf8Body("{\\rtf1\\mac \\'8a}"), U8(u8"\u00e4"));
  EXPECT_EQ(Utf8Body("{\\rtf1\\pc \\'84\\'d1}"), U8(u8"\u00e4\u2564"));
  EXPECT_EQ(Utf8Body("{\\rtf1\\pca \\'84\\'d1}"), U8(u8"\u00e4\u00d0"));
  EXPECT_EQ(Utf8Body("{\\rtf1\\ansi\\ansicpg1251 \\'e0\\'c6}"), U8(u8"\u0430\u0416"));
  // A code page the converter does not decode counts as not given: \mac decides.
  EXPECT_EQ(Utf8Body("{\\rtf1\\mac\\ansicpg1361 \\'8a}"), U8(u8"\u00e4"));
  // The Mac's Japanese page, in the document and as a font's charset, is read as Shift-JIS.
  EXPECT_EQ(Utf8Body("{\\rtf1\\mac\\ansicpg10001 \\'82\\'a8}"), U8(u8"\u304a"));
  EXPECT_EQ(Utf8Body("{\\rtf1\\mac{\\fonttbl{\\f0\\fnil\\fcharset78 Hira;}}\\f0 \\'82\\'a8}"),
            U8(u8"<FONT FACE=\"Hira\">\u304a</FONT>"));
  // A byte the code page leaves undefined.
  EXPECT_EQ(Utf8Body("{\\rtf1\\ansi \\'81x}"), U8(u8"\ufffdx"));
}

TEST_F(Utf8CodePages, FontCharsetComesBeforeTheDocumentsCodePage) {
  EXPECT_EQ(Utf8Body(WithFont("\\ansi\\ansicpg1251", "\\fcharset161 Arial Greek", "\\f1 \\'e1\\f0 \\'e1")),
            U8(u8"<FONT FACE=\"Arial Greek\">\u03b1</FONT><FONT FACE=\"Arial\">\u0431</FONT>"));
  EXPECT_EQ(Utf8Body(WithFont("\\ansi\\ansicpg1251", "\\fcharset0 Arial", "\\f1 \\'e0")),
            U8(u8"<FONT FACE=\"Arial\">\u00e0</FONT>"));
  EXPECT_EQ(Utf8Body(WithFont("\\ansi\\ansicpg1251", "\\fcharset1 Arial", "\\f1 \\'e0")),  // 1: the document's
            U8(u8"<FONT FACE=\"Arial\">\u0430</FONT>"));
  // The font is scoped to its group; \deff is in force until a \f.
  EXPECT_EQ(Utf8Body(WithFont("\\ansi\\deff1", "\\fcharset204 Arial Cyr", "\\'e0{\\f0 \\'e0}\\'e0")),
            U8(u8"\u0430<FONT FACE=\"Arial\">\u00e0</FONT>\u0430"));
}

TEST_F(Utf8CodePages, EveryCharsetOfTheTableDecodes) {
  struct TCase {
    const char* Charset;
    const char* Bytes;
    std::u8string_view Text;
  };
  const TCase cases[] = {
      {"77", "\\'8a", u8"\u00e4"},        {"128", "\\'82\\'a0", u8"\u3042"}, {"129", "\\'c7\\'d1", u8"\ud55c"},
      {"134", "\\'c4\\'e3", u8"\u4f60"},  {"136", "\\'a4\\'a4", u8"\u4e2d"}, {"161", "\\'e1", u8"\u03b1"},
      {"162", "\\'fe", u8"\u015f"},       {"163", "\\'fd", u8"\u01b0"},      {"177", "\\'e0", u8"\u05d0"},
      {"178", "\\'c7", u8"\u0627"},       {"186", "\\'e0", u8"\u0105"},      {"204", "\\'e0", u8"\u0430"},
      {"222", "\\'a1", u8"\u0e01"},       {"238", "\\'b9", u8"\u0105"},      {"255", "\\'84", u8"\u00e4"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Charset);
    EXPECT_EQ(Utf8Body(WithFont("\\ansi", std::string("\\fcharset") + c.Charset + " F", std::string("{\\f1 ") + c.Bytes + "}")),
              "<FONT FACE=\"F\">" + U8(c.Text) + "</FONT>");
  }
}

TEST_F(Utf8CodePages, DoubleByteCharacterMayMixEscapedAndRawBytes) {
  EXPECT_EQ(Utf8Body("{\\rtf1\\ansicpg932 \\'82\\'a0}"), U8(u8"\u3042"));
  EXPECT_EQ(Utf8Body("{\\rtf1\\ansicpg932 \\'82\xa0\x82\\'a0}"), U8(u8"\u3042\u3042"));
  EXPECT_EQ(Utf8Body("{\\rtf1\\ansicpg932 \\'82\r\n\\'a0}"), U8(u8"\u3042"));  // across a line end
  // A second byte that RTF escapes: "\\" (0x5C) and "\{" (0x7B).
  EXPECT_EQ(Utf8Body("{\\rtf1\\ansicpg932 \x95\\\\\\'81\\{}"), U8(u8"\u8868\uff0b"));
  // Half-width katakana are single bytes among the lead bytes.
  EXPECT_EQ(Utf8Body("{\\rtf1\\ansicpg932 \\'b1x}"), U8(u8"\uff71x"));
  // A lead byte without its second byte.
  EXPECT_EQ(Utf8Body("{\\rtf1\\ansicpg932 \\'82\\par}"), U8(u8"\ufffd<BR>"));
  EXPECT_EQ(Utf8Body("{\\rtf1\\ansicpg932 \\'82<x}"), U8(u8"\ufffd&lt;x"));
  EXPECT_EQ(Utf8Body("{\\rtf1\\ansicpg932 x\\'82"), U8(u8"x\ufffd"));  // at the end of an unbalanced input
}

TEST_F(Utf8CodePages, FontNamesAreDecodedByTheirOwnCharset) {
  EXPECT_EQ(Utf8Body(WithFont("\\ansi", "\\fcharset128 \\'82\\'6c\\'82\\'72 Gothic", "\\f1 x")),
            U8(u8"<FONT FACE=\"\uff2d\uff33 Gothic\">x</FONT>"));
  // The 8-bit page keeps the bytes as the document has them.
  EXPECT_EQ(Body(WithFont("\\ansi", "\\fcharset128 \\'82\\'6c\\'82\\'72 Gothic", "\\f1 x")),
            "<FONT FACE=\"\x82l\x82r Gothic\">x</FONT>");
  // A face name is cut after 31 characters, never inside one: 40 Cyrillic letters give 31 of them.
  EXPECT_EQ(Utf8Body(WithFont("\\ansi", "\\fcharset204 " + Repeat("\\'e0", 40), "\\f1 x")),
            "<FONT FACE=\"" + Repeat(U8(u8"\u0430"), 31) + "\">x</FONT>");
}

TEST_F(Utf8CodePages, SymbolFontsGiveGreekLettersOrPrivateUseCharacters) {
  EXPECT_EQ(Utf8Body(WithFont("\\ansi", "\\fcharset2 Symbol", "{\\f1 abW 1.\\'b7}")),
            U8(u8"<FONT FACE=\"Symbol\">\u03b1\u03b2\u03a9 1.\uf0b7</FONT>"));
  EXPECT_EQ(Utf8Body(WithFont("\\ansi", "\\fcharset2 Wingdings", "{\\f1 J 1}")),
            U8(u8"<FONT FACE=\"Wingdings\">\uf04a \uf031</FONT>"));
  EXPECT_EQ(Utf8Body(WithFont("\\ansi", "\\fcharset2 Marlett", "{\\f1 a}")),
            U8(u8"<FONT FACE=\"Marlett\">\uf061</FONT>"));
  EXPECT_EQ(Utf8Body(WithFont("\\ansi", "\\fcharset0 Symbol", "{\\f1 p}")),  // known by its face alone
            U8(u8"<FONT FACE=\"Symbol\">\u03c0</FONT>"));
}
