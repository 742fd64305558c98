// Editor access against the test host: which editor and view are used, how the text is read, where
// the caret lands and how the view scrolls, and that every host reference is released.
#include <gtest/gtest.h>

#include <memory>

#include "KorvexOTAUtils.h"
#include "TestHost.h"
#include "TextOf.h"

using namespace KorvexOTAUtils;
using namespace testhost;

namespace {

constexpr int32_t kUnset = -777;

struct TSource {
  std::string Text;
  int32_t Pos = kUnset;
  int32_t Line = kUnset;
  int32_t CharIndex = kUnset;
};

TSource ReadSource() {
  TSource source;
  source.Text = OTUGetCurrentSource(source.Pos, source.Line, source.CharIndex);
  return source;
}

// Once the host has gone, no reference to any of its objects may be left.
class EditorAccess : public testing::Test {
 protected:
  void TearDown() override {
    FHostOwner.reset();
    EXPECT_EQ(HostState().References, FReferencesBefore) << "host references leaked";
  }
  int64_t FReferencesBefore = HostState().References;
  std::unique_ptr<THost> FHostOwner = std::make_unique<THost>();
  THost& FHost = *FHostOwner;
};

}  // namespace

TEST_F(EditorAccess, ReadsInChunksOf16000UntilAShortRead) {
  const std::string text(2 * kReadChunk, 'x');
  THostSourceEditor* editor = FHost.OpenSource(text);
  EXPECT_EQ(ReadSource().Text, text);
  ASSERT_EQ(editor->Reads().size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(editor->Reads()[i].Position, static_cast<int32_t>(i) * kReadChunk);
    EXPECT_EQ(editor->Reads()[i].Count, kReadChunk);
  }
  EXPECT_EQ(editor->Reads()[2].Copied, 0);

  THostSourceEditor* longer = FHost.OpenSource(std::string(kReadChunk + 5, 'y') + "end");
  EXPECT_EQ(ReadSource().Text.size(), static_cast<size_t>(kReadChunk + 8));
  EXPECT_EQ(longer->Reads().size(), 2u);
}

TEST_F(EditorAccess, EmptyBufferWithAViewGivesPositionOne) {
  THostSourceEditor* editor = FHost.OpenSource("");
  const TSource source = ReadSource();
  EXPECT_EQ(source.Text, "");
  EXPECT_EQ(source.Pos, 1);
  EXPECT_EQ(editor->Reads().size(), 1u);
}

TEST_F(EditorAccess, CaretBecomesTextPositionLineAndCharIndex) {
  const std::string text = CrLfText({"unit A;", "", "  begin Run; end"});
  THostSourceEditor* editor = FHost.OpenSource(text);
  editor->View(0)->PlaceCaret(LineStartPos(text, 3) + 8);  // on 'R'
  const TSource source = ReadSource();
  EXPECT_EQ(source.Pos, LineStartPos(text, 3) + 8);
  EXPECT_EQ(text[static_cast<size_t>(source.Pos - 1)], 'R');
  EXPECT_EQ(source.Line, 3);
  EXPECT_EQ(source.CharIndex, 8);
}

TEST_F(EditorAccess, FindsTheSourceEditorBehindAFormAndUsesItsFirstView) {
  THostSourceEditor* editor = FHost.OpenSource("first second", 2);
  editor->View(0)->PlaceCaret(7);
  editor->View(1)->PlaceCaret(2);
  vcl::TIntfRef<Toolsapi::IOTASourceEditor> found;
  ASSERT_TRUE(OTUGetCurrentSourceEditor(found));
  EXPECT_EQ(found.Get(), static_cast<Toolsapi::IOTASourceEditor*>(editor));
  found.Reset();
  EXPECT_EQ(ReadSource().Pos, 7);

  OTUSetCurrentSourcePosition(editor->Text(), 1);
  EXPECT_EQ(editor->View(0)->CaretTextPos(), 1);
  EXPECT_EQ(editor->View(1)->CaretTextPos(), 2);
}

TEST_F(EditorAccess, NothingToWorkOnWithoutModuleSourceEditorOrView) {
  EXPECT_EQ(ReadSource().Pos, 0);  // no current module
  vcl::TIntfRef<Toolsapi::IOTAEditView> view;
  EXPECT_FALSE(OTUGetCurrentEditView(view));

  THostModule* formsOnly = FHost.AddModule();
  formsOnly->AddFormEditor();
  formsOnly->AddFormEditor();
  FHost.SetCurrentModule(formsOnly);
  const TSource none = ReadSource();
  EXPECT_EQ(none.Text, "");
  EXPECT_EQ(none.Pos, 0);
  vcl::TIntfRef<Toolsapi::IOTASourceEditor> editor;
  EXPECT_FALSE(OTUGetCurrentSourceEditor(editor));
  EXPECT_FALSE(editor);

  FHost.OpenSource("text without a view", 0);
  const TSource viewless = ReadSource();
  EXPECT_EQ(viewless.Text, "text without a view");
  EXPECT_EQ(viewless.Pos, 0);
  EXPECT_EQ(viewless.Line, kUnset);
  EXPECT_EQ(viewless.CharIndex, kUnset);
  OTUSetCurrentSourcePosition(viewless.Text, 5);  // nothing to move, nothing raised
}

TEST_F(EditorAccess, JumpKeepsTheCaretsScreenRowAndScrollsFullyLeft) {
  const std::string text = NumberedLines(200);
  THostSourceEditor* editor = FHost.OpenSource(text);
  THostView* view = editor->View(0);

  view->PlaceCaret(LineStartPos(text, 50) + 3, 40);
  OTUSetCurrentSourcePosition(text, LineStartPos(text, 120) + 2);
  EXPECT_EQ(view->Caret().Line, 120);
  EXPECT_EQ(view->Caret().Col, 3);
  EXPECT_EQ(view->Top().Line, 110);
  EXPECT_EQ(view->Top().Col, 1);
  EXPECT_EQ(view->Paints(), 1);

  view->PlaceCaret(LineStartPos(text, 50), 40);
  OTUSetCurrentSourcePosition(text, LineStartPos(text, 5));
  EXPECT_EQ(view->Caret().Line, 5);
  EXPECT_EQ(view->Top().Line, 1);  // the text's start is nearer than ten rows
}

TEST_F(EditorAccess, TargetOnTheLfOfACrLfLandsAtTheNextLinesStart) {
  const std::string text = CrLfText({"abc", "def"});
  THostSourceEditor* editor = FHost.OpenSource(text);
  OTUSetCurrentSourcePosition(text, 5);  // the LF
  EXPECT_EQ(editor->View(0)->Caret().Line, 2);
  EXPECT_EQ(editor->View(0)->Caret().Col, 1);
}

TEST_F(EditorAccess, DistrustsReadCountsOutsideTheChunk) {
  THostSourceEditor* editor = FHost.OpenSource("some text");
  editor->ReportedCount = [](int32_t) { return -1; };
  EXPECT_EQ(ReadSource().Text, "");
  editor->ReportedCount = [](int32_t) { return kReadChunk + 4; };
  const TSource source = ReadSource();
  EXPECT_EQ(source.Text.size(), static_cast<size_t>(kReadChunk));  // no more than was asked for
  EXPECT_EQ(source.Text.substr(0, 9), "some text");
  EXPECT_EQ(editor->Reads().size(), 2u) << "one read each: a count that is not a full chunk ends the text";
}

TEST_F(EditorAccess, MissingModuleServicesRaiseAndReleaseEverything) {
  FHost.OpenSource("abc");
  FHost.Services().OfferModuleServices = false;
  int32_t pos = kUnset;
  int32_t line = kUnset;
  int32_t charIndex = kUnset;
  EXPECT_THROW(OTUGetCurrentSource(pos, line, charIndex), vcl::EIntfCastError);
  EXPECT_EQ(pos, 0);
  EXPECT_THROW(OTUSetCurrentSourcePosition("abc", 1), vcl::EIntfCastError);
}
