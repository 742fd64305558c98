#include "Zufuncs.h"

#include <gtest/gtest.h>

using namespace Zufuncs;

TEST(ReplaceAll, ReplacesLeftToRightWithoutOverlapOrRescan) {
  EXPECT_EQ(ReplaceAll("aa", "b", "aaaaa"), "bba");
  EXPECT_EQ(ReplaceAll("a", "aa", "aba"), "aabaa");  // the inserted text is not searched again
  EXPECT_EQ(ReplaceAll("<B></B>", "", "<B><B></B></B>"), "<B></B>");
  EXPECT_EQ(ReplaceAll("", "x", "abc"), "abc");
  EXPECT_EQ(ReplaceAll("z", "x", "abc"), "abc");
}

TEST(WildcardMatch, TriesOnlyTheFirstPrefixAndBoundsTheMiddle) {
  EXPECT_EQ(WildcardMatch("<F=*></F>", "x<F=+1></F>y", 3), "<F=+1></F>");
  EXPECT_EQ(WildcardMatch("<F=*></F>", "<F=+1>a</F><F=+2></F>", 3), "");  // first prefix fails, no retry
  EXPECT_EQ(WildcardMatch("<F=*></F>", "<F=+123></F>", 3), "");
  EXPECT_EQ(WildcardMatch("<F=*></F>", "<F=></F>", 0), "<F=></F>");
  EXPECT_EQ(WildcardMatch("*x", "ax", 5), "");   // star first
  EXPECT_EQ(WildcardMatch("x*", "xa", 5), "");   // star last
  EXPECT_EQ(WildcardMatch("xy", "xy", 5), "");   // no star
}

TEST(WildcardReplace, RemovesEveryCopyOfTheFirstMatchOnly) {
  EXPECT_EQ(WildcardReplace("<F=*></F>", "", "a<F=1></F>b<F=1></F>c<F=2></F>", 3), "abc<F=2></F>");
  EXPECT_EQ(WildcardReplace("ab", "X", "abab", 3), "XX");
  const std::string face = R"(<FONT FACE="Times New Roman"></FONT>)";
  EXPECT_EQ(WildcardReplace("<FONT FACE=*></FONT>", "", face, 12), face);
  EXPECT_EQ(WildcardReplace("<FONT FACE=*></FONT>", "", R"(<FONT FACE="Arial"></FONT>)", 12), "");
}

TEST(ReplaceList, AppliesPairsInOrderAndRefusesListsOfDifferentLength) {
  EXPECT_EQ(ReplaceList({"a", "b"}, {"b", "c"}, "ab"), "cc");
  EXPECT_EQ(ReplaceList({"a", "b"}, {"x"}, "ab"), "ab");
}
