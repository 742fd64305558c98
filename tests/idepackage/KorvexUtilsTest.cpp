// The text functions on plain strings: identifier at a position, whole-word search both ways, and
// line and column; out-parameters keep the caller's values wherever nothing is to be written.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "KorvexUtils.h"

using namespace KorvexUtils;

namespace {

constexpr int32_t kUnset = -777;
const std::string kSample = "foo bar; Foo(fooX, foo)";

struct TIdent {
  bool Found;
  int32_t Start;
  int32_t Len;
};

TIdent IdentAt(std::string_view text, int32_t pos) {
  TIdent result{false, kUnset, kUnset};
  result.Found = CurrentIdent(text, pos, result.Start, result.Len);
  return result;
}

int32_t Find(const std::string& ident, std::string_view text, int32_t pos, bool backward) {
  int32_t found = kUnset;
  return FindTextIdent(ident, text, pos, backward, found) ? found : kUnset;
}

}  // namespace

TEST(CurrentIdent, TakesTheIdentifierUnderOrJustBeforeThePosition) {
  for (const int32_t pos : {1, 2, 3, 4}) {
    const TIdent ident = IdentAt(kSample, pos);
    EXPECT_TRUE(ident.Found) << pos;
    EXPECT_EQ(ident.Start, 1) << pos;
    EXPECT_EQ(ident.Len, 3) << pos;
  }
  const TIdent afterBar = IdentAt(kSample, 8);  // the semicolon after 'bar'
  EXPECT_EQ(afterBar.Start, 5);
  EXPECT_EQ(afterBar.Len, 3);
  const TIdent atEnd = IdentAt("x = total", 10);  // caret after the last character
  EXPECT_EQ(atEnd.Start, 5);
  EXPECT_EQ(atEnd.Len, 5);
}

TEST(CurrentIdent, FindsNothingBetweenSeparatorsAndLeavesOutputsAlone) {
  for (const int32_t pos : {9, 0, -5, 40}) {
    const TIdent ident = IdentAt(kSample, pos);
    EXPECT_FALSE(ident.Found) << pos;
    EXPECT_EQ(ident.Start, kUnset) << pos;
    EXPECT_EQ(ident.Len, kUnset) << pos;
  }
  EXPECT_FALSE(IdentAt("", 1).Found);
  EXPECT_FALSE(IdentAt("a  b", 3).Found);  // never looks right of the position for a start
}

TEST(CurrentIdent, CountsDigitsAndUnderscoreButNoNationalLettersOrDots) {
  const TIdent number = IdentAt("x := 255;", 7);
  EXPECT_EQ(number.Start, 6);
  EXPECT_EQ(number.Len, 3);
  const TIdent dotted = IdentAt("Foo.Bar", 6);
  EXPECT_EQ(dotted.Start, 5);
  EXPECT_EQ(dotted.Len, 3);
  const TIdent national = IdentAt("Gr\xFC\xDF_e1", 2);  // bytes above 0x7F end an identifier
  EXPECT_EQ(national.Start, 1);
  EXPECT_EQ(national.Len, 2);
  const TIdent dollar = IdentAt("$_a1$", 3);
  EXPECT_EQ(dollar.Start, 2);
  EXPECT_EQ(dollar.Len, 3);
}

TEST(FindNeibIdent, WalksToTheNearestIdentifierInEitherDirection) {
  int32_t start = kUnset;
  int32_t len = kUnset;
  ASSERT_TRUE(FindNeibIdent("  ;  alpha  beta", 2, false, start, len));
  EXPECT_EQ(start, 6);
  EXPECT_EQ(len, 5);
  ASSERT_TRUE(FindNeibIdent("  ;  alpha  beta", 12, true, start, len));  // on the blank after 'alpha'
  EXPECT_EQ(start, 6);
  ASSERT_TRUE(FindNeibIdent("alpha  beta", 6, false, start, len));  // right after 'alpha': that one
  EXPECT_EQ(start, 1);
  start = len = kUnset;
  EXPECT_FALSE(FindNeibIdent("alpha ;;  ", 8, false, start, len));
  EXPECT_FALSE(FindNeibIdent("  ;;  ", 6, true, start, len));
  EXPECT_FALSE(FindNeibIdent("alpha", 0, false, start, len));  // starts outside the text
  EXPECT_EQ(start, kUnset);
  EXPECT_EQ(len, kUnset);
}

TEST(FindTextIdent, FindsTheNearestWholeWordOccurrenceIgnoringCase) {
  EXPECT_EQ(Find("foo", kSample, 1, false), 10);
  EXPECT_EQ(Find("foo", kSample, 10, false), 20);  // 'fooX' fails the right boundary
  EXPECT_EQ(Find("foo", kSample, 20, true), 10);
  EXPECT_EQ(Find("foo", kSample, 11, true), 10);  // the occurrence that holds the position counts
  EXPECT_EQ(Find("FOO", kSample, 1, false), 10);
  EXPECT_EQ(Find("foo", kSample, 0, false), 1);  // position 0 forward tests position 1 first
}

TEST(FindTextIdent, RespectsWordBoundaries) {
  const std::string text = "a_x1 _X1 _x12 _x1";
  EXPECT_EQ(Find("_x1", text, 0, false), 6);
  EXPECT_EQ(Find("_x1", text, 6, false), 15);
  EXPECT_EQ(Find("_x1", "y=abc\xE4", 1, false), kUnset);
  EXPECT_EQ(Find("abc", "y=abc\xE4", 1, false), 3);  // a byte above 0x7F ends the word
  EXPECT_EQ(Find("abc", "\xE4" "abc", 0, false), 2);
}

TEST(FindTextIdent, NeverWrapsAndFailsWithoutWritingFoundPos) {
  EXPECT_EQ(Find("foo", kSample, 20, false), kUnset);
  EXPECT_EQ(Find("foo", kSample, 1, true), kUnset);
  EXPECT_EQ(Find("", kSample, 1, false), kUnset);
  EXPECT_EQ(Find("foo", "", 0, false), kUnset);
  EXPECT_EQ(Find("fooo", "a foo", 1, false), kUnset);  // would run past the end of the text
  EXPECT_EQ(Find("foo", kSample, -1, false), kUnset);  // the first step already leaves the text
  EXPECT_EQ(Find("foo", kSample, 25, true), kUnset);
  EXPECT_EQ(Find("foo", kSample, 24, true), 20);  // from the end-of-text caret
  EXPECT_EQ(Find("foo", kSample, 2147483647, false), kUnset);
}

TEST(FindTextIdent, StaysLinearInsideLongIdentifierRuns) {
  // Every start inside the first run matches the first character and would compare a long way.
  const std::string run(300000, 'a');
  const std::string text = run + " " + run;
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(Find(run, text, 1, false), 300002);
  EXPECT_EQ(Find(run, text, 300002, true), 1);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
}

TEST(FindIdentAtPos, JumpsFromTheIdentifierAtTheCaretAndReportsIt) {
  int32_t found = kUnset;
  int32_t len = kUnset;
  std::string ident = "unset";
  ASSERT_TRUE(FindIdentAtPos(kSample, 12, false, found, len, ident));  // inside 'Foo'
  EXPECT_EQ(found, 20);
  EXPECT_EQ(len, 3);
  EXPECT_EQ(ident, "Foo");  // as spelled at the caret
  ASSERT_TRUE(FindIdentAtPos(kSample, 12, true, found, len, ident));
  EXPECT_EQ(found, 1);
}

TEST(FindIdentAtPos, OnlyOccurrenceStillReportsTheIdentifier) {
  for (const bool backward : {false, true}) {
    int32_t found = kUnset;
    int32_t len = kUnset;
    std::string ident = "unset";
    EXPECT_FALSE(FindIdentAtPos(kSample, 6, backward, found, len, ident));
    EXPECT_EQ(found, kUnset);
    EXPECT_EQ(len, 3);
    EXPECT_EQ(ident, "bar");
  }
}

TEST(FindIdentAtPos, WritesNothingWithoutAnIdentifier) {
  int32_t found = kUnset;
  int32_t len = kUnset;
  std::string ident = "unset";
  EXPECT_FALSE(FindIdentAtPos("a  b a", 3, false, found, len, ident));
  EXPECT_EQ(found, kUnset);
  EXPECT_EQ(len, kUnset);
  EXPECT_EQ(ident, "unset");
}

TEST(FindCharPos, CountsCrAndCrLfAsOneBreakButNotALoneLf) {
  struct TCase {
    std::string Text;
    int32_t Pos;
    int32_t Line;
    int32_t Col;
  };
  const TCase cases[] = {
      {"a\r\nbc", 5, 2, 1},    {"a\nbc", 4, 1, 3},       {"a\rb", 3, 2, 0},     {"a\r\nb", 3, 2, 0},  // at the LF
      {"", 1, 1, 0},           {"a\r\r\nb", 6, 3, 1},    {"ab\r\n", 5, 2, 0},   {"ab", 7, 1, 6},
      {"x\r\ny\r\nzz", 8, 3, 1}, {"abc", -3, 1, 0},
  };
  for (const TCase& c : cases) {
    int32_t line = kUnset;
    int32_t col = kUnset;
    FindCharPos(c.Text, c.Pos, line, col);
    EXPECT_EQ(line, c.Line) << testing::PrintToString(c.Text) << " at " << c.Pos;
    EXPECT_EQ(col, c.Col) << testing::PrintToString(c.Text) << " at " << c.Pos;
  }
}
