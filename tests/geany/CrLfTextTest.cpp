// The position mapping between the editor's document and the text the package reads, over a widget laid out
// as Scintilla lays it out.
#include <gtest/gtest.h>

#include <memory>

#include "CrLfText.h"
#include "EditorModule.h"
#include "FakeEditor.h"
#include "PackageView.h"

namespace geanyhost::test {
namespace {

std::string Whole(const TCrLfText& text, int32_t chunk) {
  std::string result;
  char buffer[64];
  for (int32_t offset = 0;;) {
    const int32_t read = text.Read(offset, buffer, chunk);
    if (read == 0) break;
    result.append(buffer, static_cast<size_t>(read));
    offset += read;
  }
  return result;
}

TEST(CrLfText, EveryLineBreakReadsAsCrLfAndTheLastLineKeepsNone) {
  const struct {
    const char* Document;
    const char* Expected;
  } cases[] = {
      {"", ""},
      {"a\nb", "a\r\nb"},
      {"a\r\nb", "a\r\nb"},
      {"a\rb", "a\r\nb"},
      {"a\nb\r\nc\rd\n", "a\r\nb\r\nc\r\nd\r\n"},
      {"\n\n", "\r\n\r\n"},
      {"\r\r\n\n", "\r\n\r\n\r\n"},
  };
  for (const auto& c : cases) {
    const TFakeEditor editor(c.Document);
    const TCrLfText text(editor);
    EXPECT_EQ(text.Size(), static_cast<int32_t>(std::string(c.Expected).size())) << c.Document;
    for (const int32_t chunk : {1, 2, 3, 64}) EXPECT_EQ(Whole(text, chunk), c.Expected) << c.Document << " " << chunk;
  }
}

TEST(CrLfText, ReadsOutsideTheTextCopyNothing) {
  const TFakeEditor editor("ab\ncd");
  const TCrLfText text(editor);
  char buffer[8] = {};
  EXPECT_EQ(text.Read(6, buffer, 8), 0);
  EXPECT_EQ(text.Read(-1, buffer, 8), 0);
  EXPECT_EQ(text.Read(0, buffer, 0), 0);
  EXPECT_EQ(text.Read(3, buffer, 8), 3);  // from the LF of the pair
  EXPECT_EQ(std::string(buffer, 3), "\ncd");
}

TEST(CrLfText, PositionsClampToTheirLineAndToTheText) {
  const TFakeEditor editor("ab\ncde\rf");
  const TCrLfText text(editor);
  EXPECT_EQ(text.OffsetOf(2, 1), 5);            // 'd' behind "ab" CR LF
  EXPECT_EQ(text.OffsetOf(2, 99), 7);           // the end of "cde"
  EXPECT_EQ(text.OffsetOf(9, 0), 9);            // beyond the last line: its start
  EXPECT_EQ(text.DocumentPosition(2, 1), 4);    // 'd' behind "ab" LF
  EXPECT_EQ(text.DocumentPosition(3, 5), 8);    // the document's end
  EXPECT_EQ(text.DocumentPosition(0, -3), 0);
  EXPECT_EQ(text.LineIndexOf(4).Line, 2);
  EXPECT_EQ(text.LineIndexOf(4).CharIndex, 1);
  EXPECT_EQ(text.LineIndexOf(8).Line, 3);
  EXPECT_EQ(text.LineIndexOf(8).CharIndex, 1);
}

TEST(EditorModule, EveryCaretPositionMapsToTheSameCharacterAndBack) {
  ExpectEveryCaretRoundTrips(std::make_shared<TFakeEditor>(kMixedDocument, 4), kMixedDocument);
}

TEST(EditorModule, EditPositionsCountTheEditorsColumnsAndCharacterIndexesCountBytes) {
  auto editor = std::make_shared<TFakeEditor>("x\n\tfoo Gr\xC3\xB6\xC3\x9F" "e bar", 4);
  const vcl::TIntfRef<Toolsapi::IOTAModule> module = MakeEditorModule(editor);
  vcl::TIntfRef<Toolsapi::IOTASourceEditor> source;
  const vcl::TIntfRef<Toolsapi::IOTAEditView> view = SourceEditorOf(*module, source)->GetEditView(0);
  editor->SetCaret(3);  // the f after the tab
  EXPECT_EQ(Unpacked(view->GetCursorPos()).Col, 5);
  EXPECT_EQ(Unpacked(view->GetCursorPos()).Line, 2);
  editor->SetCaret(15);  // the b of bar, behind two two-byte letters
  Toolsapi::TOTAEditPos edit = view->GetCursorPos();
  EXPECT_EQ(Unpacked(edit).Col, 15);
  Toolsapi::TOTACharPos chars{};
  view->ConvertPos(true, edit, chars);
  EXPECT_EQ(Unpacked(chars).Col, 13);
  EXPECT_EQ(Unpacked(chars).Line, 2);
}

// The records' 16-bit columns end at 32767: a caret further right saturates there instead of wrapping negative.
TEST(EditorModule, ColumnsBeyondTheRecordsRangeSaturate) {
  auto editor = std::make_shared<TFakeEditor>(std::string(40000, 'x'));
  const vcl::TIntfRef<Toolsapi::IOTAModule> module = MakeEditorModule(editor);
  vcl::TIntfRef<Toolsapi::IOTASourceEditor> source;
  const vcl::TIntfRef<Toolsapi::IOTAEditView> view = SourceEditorOf(*module, source)->GetEditView(0);
  editor->SetCaret(35000);
  EXPECT_EQ(Unpacked(view->GetCursorPos()).Col, 32767);
  EXPECT_EQ(CaretPos(*view), 32767);
}

TEST(EditorModule, TheTopPositionScrollsTheViewAndColumnOneScrollsItFullyLeft) {
  auto editor = std::make_shared<TFakeEditor>(std::string(300, '\n'));
  const vcl::TIntfRef<Toolsapi::IOTAModule> module = MakeEditorModule(editor);
  vcl::TIntfRef<Toolsapi::IOTASourceEditor> source;
  const vcl::TIntfRef<Toolsapi::IOTAEditView> view = SourceEditorOf(*module, source)->GetEditView(0);
  editor->ScrollTo(40, 7);
  EXPECT_EQ(Unpacked(view->GetTopPos()).Line, 41);
  EXPECT_EQ(Unpacked(view->GetTopPos()).Col, 8);
  view->SetTopPos({1, 110});
  EXPECT_EQ(editor->FirstVisibleLine(), 109);
  EXPECT_EQ(editor->FirstVisibleColumn(), 0);
  view->Paint();
  EXPECT_EQ(editor->Redraws, 1);
}

TEST(EditorModule, HoldsOneSourceEditorWithOneView) {
  const vcl::TIntfRef<Toolsapi::IOTAModule> module = MakeEditorModule(std::make_shared<TFakeEditor>("x"));
  EXPECT_EQ(module->GetModuleFileCount(), 1);
  EXPECT_FALSE(module->GetModuleFileEditor(1));
  vcl::TIntfRef<Toolsapi::IOTASourceEditor> source;
  ASSERT_NE(SourceEditorOf(*module, source), nullptr);
  EXPECT_EQ(source->GetEditViewCount(), 1);
  EXPECT_TRUE(source->GetEditView(0));
  EXPECT_FALSE(source->GetEditView(1));
}

TEST(EditorModule, AnEmptyDocumentReadsEmptyWithTheCaretAtPositionOne) {
  const vcl::TIntfRef<Toolsapi::IOTAModule> module = MakeEditorModule(std::make_shared<TFakeEditor>(""));
  vcl::TIntfRef<Toolsapi::IOTASourceEditor> source;
  SourceEditorOf(*module, source);
  EXPECT_EQ(ReadText(*source), "");
  EXPECT_EQ(CaretPos(*source->GetEditView(0)), 1);
}

TEST(EditorModule, ATextOfExactlyTwoChunksReadsWhole) {
  std::string document;
  for (int line = 0; line < 2909; ++line) document += "abcdefghi\n";  // 11 characters each, read with CR LF
  document += "x";                                                   // 2909 * 11 + 1 = 32000
  const vcl::TIntfRef<Toolsapi::IOTAModule> module = MakeEditorModule(std::make_shared<TFakeEditor>(document));
  vcl::TIntfRef<Toolsapi::IOTASourceEditor> source;
  SourceEditorOf(*module, source);
  const std::string text = ReadText(*source);
  ASSERT_EQ(text.size(), 32000u);
  EXPECT_EQ(text.substr(15995, 10), "bcdefghi\r\n");
  EXPECT_EQ(text.back(), 'x');
}

}  // namespace
}  // namespace geanyhost::test
