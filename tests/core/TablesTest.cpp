// Font and colour tables: what they store, where they leave the working line, and how they fail.

#include <gtest/gtest.h>

#include "ConvertHelpers.h"
#include "pmrconv/FontColourTables.h"

using namespace pmrconv;
using namespace pmrconv::test;

namespace {

// Where a table reader starts: after the keyword, or at the start when the line follows the keyword's line.
size_t AfterKeyword(std::string_view Line, std::string_view Keyword) {
  const size_t at = Line.find(Keyword);
  return at == std::string_view::npos ? 0 : at + Keyword.size();
}

class FontTables : public ConverterTest {
protected:
  // Reads a font table from Text; returns the working line left.
  std::string Read(std::string_view Text) {
    TLineSource source(Text);
    TWorkingLine line;
    line.ReadNext(source);
    ReadFontTable(source, line, AfterKeyword(line.View(), "\\fonttbl"));
    return std::string(line.View());
  }
  const font& Slot(size_t I) { return Context().FontTable[I]; }
};

class ColourTables : public ConverterTest {
protected:
  std::string Read(std::string_view Text) {
    Context().ColourTable.clear();
    TLineSource source(Text);
    TWorkingLine line;
    line.ReadNext(source);
    ReadColourTable(source, line, AfterKeyword(line.View(), "\\colortbl"));
    return std::string(line.View());
  }
  const std::vector<std::string>& Table() { return Context().ColourTable; }
};

using Strings = std::vector<std::string>;

}  // namespace

TEST_F(FontTables, ReadsEntriesOnOneLineAndLeavesTheClosingBrace) {
  EXPECT_EQ(Read("\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}{\\f1\\fswiss Arial;}}rest"), "}rest");
  EXPECT_EQ(Slot(0).name, "Times New Roman");
  EXPECT_EQ(Slot(0).number, 0);
  EXPECT_EQ(Slot(1).name, "Arial");
  EXPECT_EQ(Slot(1).number, 1);
}

TEST_F(FontTables, ReadsOneFontPerLineByJoiningShortRemainders) {
  // The group reader hands over the line after a keyword that ended its line.
  EXPECT_EQ(Read("{\\f0\\froman Times;}\r\n{\\f12\\fswiss Arial;}\r\n}\r\nnext"), "}next");
  EXPECT_EQ(Slot(0).name, "Times");
  EXPECT_EQ(Slot(1).number, 12);
}

TEST_F(FontTables, TakesTheAlternativeNameAndPassesOverPanose) {
  EXPECT_EQ(Read("\\fonttbl{\\f1\\fswiss{\\*\\panose 020b0604020202020204}Arial;}"
                 "{\\f3\\fnil Wingdings{\\*\\falt Symbol};}}after"),
            "}after");
  EXPECT_EQ(Slot(0).name, "Arial");
  EXPECT_EQ(Slot(1).name, "Symbol");
  EXPECT_EQ(Slot(1).number, 3);
}

TEST_F(FontTables, AnAlternativeNameInTheLastEntryKeepsTheGroupsBalanced) {
  EXPECT_EQ(Body("{\\rtf1{\\fonttbl{\\f0\\fnil Wingdings{\\*\\falt Symbol};}}\\b x}y{z}"), "<B>x</B>yz");
}

TEST_F(FontTables, ReadsTheEntriesWordWritesWithKeywordsBeforeTheName) {
  EXPECT_EQ(Body("{\\rtf1{\\fonttbl{\\f0\\fbidi \\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}"
                 "{\\f11\\fbidi \\froman\\fcharset128{\\*\\panose 0202}Mincho{\\*\\falt MS Mincho};}"
                 "{\\f1\\fbidi \\fswiss\\fcharset0 Arial;}}\\f1 x\\f11 y\\f0 z}"),
            "<FONT FACE=\"Arial\">x</FONT><FONT FACE=\"MS Mincho\">y</FONT><FONT FACE=\"Times New Roman\">z</FONT>");
}

TEST_F(FontTables, KeepsTheFirst201FontsAndReadsTheRestOver) {
  std::string rtf = "{{\\fonttbl";
  for (int i = 0; i < 250; ++i) rtf += "{\\f" + std::to_string(i) + " F" + std::to_string(i) + ";}";
  rtf += "}\\f200 a\\f249 b}";
  EXPECT_EQ(Body(rtf), "<FONT FACE=\"F200\">a</FONT><FONT FACE=\"F200\">b</FONT>");
  EXPECT_EQ(Slot(200).name, "F200");
}

TEST_F(FontTables, SlotsCarryOverToTheNextDocument) {
  Body("{{\\fonttbl{\\f0 Arial;}{\\f1 Courier;}{\\f2 Times;}}}");
  EXPECT_EQ(Body("{{\\fonttbl{\\f5 Verdana;}}\\f5 a\\f1 b\\f2 c}"),
            "<FONT FACE=\"Verdana\">a</FONT><FONT FACE=\"Courier\">b</FONT><FONT FACE=\"Times\">c</FONT>");
}

TEST_F(FontTables, EmptyTablesAndTablesWithoutTheirBraceEndWithoutLooping) {
  EXPECT_EQ(Body("{{\\fonttbl}a}"), "a");
  EXPECT_EQ(Body("{{\\fonttbl\\fonttbl\\fonttbl}a}"), "a");
  EXPECT_EQ(Body("{\\fonttbl{\\f0 Arial;}\\pard\\f0 a}"), "<FONT FACE=\"Arial\">a</FONT>");
  EXPECT_EQ(Body("{x{\\fonttbl{\\f0 Ari"), "x");
}

TEST_F(ColourTables, ReadsTheAutomaticEntryOnlyWhenTheTableStartsEmpty) {
  EXPECT_EQ(Read("\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}x"), "}x");
  EXPECT_EQ(Table(), (Strings{"#000000", "#FF0000", "#0080FF"}));
  Read("\\colortbl\\red0\\green0\\blue0;}");
  EXPECT_EQ(Table(), (Strings{"#000000"}));
}

TEST_F(ColourTables, MissingComponentsAreZeroAndLargeOnesAreClamped) {
  Read("\\colortbl\\red7\\blue9;\\red300\\green256\\blue99999999999;}");
  EXPECT_EQ(Table(), (Strings{"#070009", "#FFFF00"}));
  EXPECT_EQ(ColourToHtml("\\green16"), "#001000");
  EXPECT_EQ(ByteToHex(171), "AB");
}

TEST_F(ColourTables, ALaterEmptyEntryTakesNoIndex) {
  Read("\\colortbl;\\red1\\green1\\blue1;;\\red2\\green2\\blue2;}");
  EXPECT_EQ(Table(), (Strings{"#000000", "#010101", "#020202"}));
}

TEST_F(ColourTables, ReadsEntriesAcrossLines) {
  EXPECT_EQ(Read("\\colortbl;\\red1\\green2\\blue3;\r\n\\red4\\green5\\blue6;}\r\nnext"), "}next");
  EXPECT_EQ(Table(), (Strings{"#000000", "#010203", "#040506"}));
  Read("\\colortbl;\\red1\\green2\\blue3;\r\nab");  // the input ends with a short line: no endless joining
  EXPECT_EQ(Table(), (Strings{"#000000", "#010203"}));
}

TEST_F(ColourTables, EntriesAreReadUpToTheTablesBraceWhateverFollowsOnTheLine) {
  EXPECT_EQ(Read("\\colortbl;\\red255\\green0\\blue0;}\\pard x"), "}\\pard x");
  EXPECT_EQ(Table(), (Strings{"#000000", "#FF0000"}));
  EXPECT_EQ(Body("{{\\colortbl;\\red255\\green0\\blue0;}\\pard\\cf1 x}"), "<FONT COLOR=\"#FF0000\">x</FONT>");
  EXPECT_EQ(Body("{{\\colortbl\\red1}a}"), "a");  // an entry without its ";" is no entry
  Read("\\colortbl ;\\red1\\green2\\blue3;}");  // the blank is the keyword's delimiter
  EXPECT_EQ(Table(), (Strings{"#000000", "#010203"}));
}
