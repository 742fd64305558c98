#include "pmrconv/TagStack.h"

#include <gtest/gtest.h>

using namespace pmrconv;

namespace {

// Stack with the given tags pushed in order (the last is on top), all at Level, fields set in F.
TTagStack StackOf(std::initializer_list<std::pair<const char*, const char*>> Tags, int32_t Level = 0) {
  TTagStack stack;
  for (const auto& [open, close] : Tags) PushTag(stack, Level, open, close);
  return stack;
}

}  // namespace

TEST(CloseTags, ClosesTheNamedTagAndReopensWhatStoodAbove) {
  TTagStack stack = StackOf({{"<B>", "</B>"}, {"<I>", "</I>"}});
  format f;
  f.bold = f.italic = true;
  EXPECT_EQ(CloseTags(stack, f, {"</B>"}, 0), "</I></B><I>");
  ASSERT_EQ(stack.Size(), 1u);
  EXPECT_EQ(stack.Top().opentag, "<I>");
  EXPECT_FALSE(f.bold);
  EXPECT_TRUE(f.italic);  // reopened, so still in force: a later \i0 or \plain must find it
}

TEST(CloseTags, ReopensDeepestFirstKeepingTheirValuesAndWritesFontKindsAsFont) {
  TTagStack stack = StackOf({{"<B>", "</B>"}, {"<FONT SIZE=+1>", "</FONT SIZE>"}, {"<U>", "</U>"}});
  format f;
  f.bold = f.underline = true;
  f.size = 14;
  EXPECT_EQ(CloseTags(stack, f, {"</B>"}, 0), "</U></FONT></B><FONT SIZE=+1><U>");
  EXPECT_EQ(f.size, 14);
  EXPECT_TRUE(f.underline);
  EXPECT_FALSE(f.bold);
  ASSERT_EQ(stack.Size(), 2u);
  EXPECT_EQ(stack[0].closetag, "</FONT SIZE>");
}

TEST(CloseTags, ATagThatIsNotOpenAtTheLevelWritesAndChangesNothing) {
  TTagStack stack = StackOf({{"<I>", "</I>"}, {"<U>", "</U>"}});
  format f;
  f.italic = f.underline = f.bold = true;  // the field alone does not make a tag open
  const format before = f;
  EXPECT_EQ(CloseTags(stack, f, {}, 0), "");
  EXPECT_EQ(CloseTags(stack, f, {"</B>"}, 0), "");
  EXPECT_EQ(CloseTags(stack, f, {"</B>", "</S>", "</FONT FACE>"}, 0), "");
  EXPECT_EQ(stack.Size(), 2u);
  EXPECT_EQ(f, before);
}

TEST(CloseTags, StopsOnceEveryNamedTagThatIsOpenIsClosed) {
  TTagStack stack = StackOf({{"<B>", "</B>"}, {"<SUP>", "</SUP>"}, {"<I>", "</I>"}});
  format f;
  f.bold = f.sup = f.italic = true;
  EXPECT_EQ(CloseTags(stack, f, {"</SUB>", "</SUP>"}, 0), "</I></SUP><I>");  // the bold below stays untouched
  EXPECT_FALSE(f.sup);
  ASSERT_EQ(stack.Size(), 2u);
  EXPECT_EQ(stack[0].opentag, "<B>");
}

TEST(CloseTags, StopsAtAnElementOfAnotherLevel) {
  TTagStack stack = StackOf({{"<B>", "</B>"}}, 0);
  PushTag(stack, 1, "<I>", "</I>");
  format f;
  EXPECT_EQ(CloseTags(stack, f, {"</B>"}, 0), "");  // top belongs to level 1
  EXPECT_EQ(CloseTags(stack, f, {"</B>"}, 1), "");  // the bold belongs to level 0
  EXPECT_EQ(stack.Size(), 2u);
  EXPECT_EQ(CloseTags(stack, f, {"</B>", "</I>"}, 1), "</I>");
  EXPECT_EQ(stack.Size(), 1u);
  EXPECT_TRUE(IsOpenAtLevel(stack, "</B>", 0));
  EXPECT_FALSE(IsOpenAtLevel(stack, "</B>", 1));
}

TEST(CloseAllTags, ClosesTopFirst) {
  TTagStack stack = StackOf({{"<FONT SIZE=+1>", "</FONT SIZE>"}, {"<B>", "</B>"}});
  EXPECT_EQ(CloseAllTags(stack), "</B></FONT>");
  EXPECT_TRUE(stack.Empty());
}

TEST(CloseTagsFromLevel, KeepsElementsBelowTheLevel) {
  TTagStack stack;
  PushTag(stack, 1, "<I>", "</I>");
  PushTag(stack, 2, "<U>", "</U>");
  PushTag(stack, 3, "<B>", "</B>");
  EXPECT_EQ(CloseTagsFromLevel(stack, 2), "</B></U>");
  ASSERT_EQ(stack.Size(), 1u);
  EXPECT_EQ(stack.Top().level, 1);
}

TEST(ResetFormat, ScopesTouchTheirOwnFields) {
  format f;
  f.bold = f.center = true;
  f.face = 3;
  f.table = tsCell;
  ResetFormat(f, TResetScope::Par);
  EXPECT_TRUE(f.bold);
  EXPECT_FALSE(f.center);
  ResetFormat(f, TResetScope::Text);
  EXPECT_FALSE(f.bold);
  EXPECT_EQ(f.face, -1);
  EXPECT_EQ(f.table, tsCell);
  ResetFormat(f, TResetScope::All);
  EXPECT_EQ(f, format{});
}
