// The position mapping over Geany's own Scintilla (a widget that is never shown): the same round trips as
// over the plain fake, and the fake's layout checked against Scintilla's answers, so both tell the truth.
#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <Scintilla.h>
#include <ScintillaWidget.h>

#include <cstdio>
#include <memory>

#include "FakeEditor.h"
#include "PackageView.h"
#include "ScintillaEditor.h"

namespace geanyhost::test {
namespace {

// A Scintilla widget holding document, with UTF-8 text and the given tab width, as Geany sets up its editors.
class TScintilla {
 public:
  TScintilla(const std::string& document, int tabWidth) : FSci(SCINTILLA(scintilla_new())) {
    g_object_ref_sink(FSci);
    scintilla_send_message(FSci, SCI_SETCODEPAGE, SC_CP_UTF8, 0);
    scintilla_send_message(FSci, SCI_SETTABWIDTH, static_cast<uptr_t>(tabWidth), 0);
    scintilla_send_message(FSci, SCI_SETTEXT, 0, reinterpret_cast<sptr_t>(document.c_str()));
  }
  ~TScintilla() { g_object_unref(FSci); }
  TScintilla(const TScintilla&) = delete;
  TScintilla& operator=(const TScintilla&) = delete;
  ScintillaObject* Sci() const { return FSci; }

 private:
  ScintillaObject* FSci;
};

const std::string kDocuments[] = {kMixedDocument, "a\nb", "a\r\nb\r\n", "a\rb\r", "\tx\t\ty\n  \tz",
                                  "Gr\xC3\xB6\xC3\x9F" "e\n\xE2\x82\xAC\t!", ""};

TEST(ScintillaMapping, EveryCaretPositionMapsToTheSameCharacterAndBack) {
  for (const int tabWidth : {4, 8}) {
    const TScintilla sci(kMixedDocument, tabWidth);
    ExpectEveryCaretRoundTrips(std::make_shared<TScintillaEditor>(sci.Sci()), kMixedDocument);
  }
}

TEST(ScintillaMapping, TheFakeEditorLaysOutLinesAndColumnsAsScintillaDoes) {
  for (const std::string& document : kDocuments) {
    const TScintilla sci(document, 4);
    const TScintillaEditor real(sci.Sci());
    const TFakeEditor fake(document, 4);
    ASSERT_EQ(real.Text(), fake.Text());
    ASSERT_EQ(real.LineCount(), fake.LineCount()) << document;
    for (int32_t line = 0; line < real.LineCount(); ++line) {
      EXPECT_EQ(real.LineStart(line), fake.LineStart(line)) << document << " line " << line;
      EXPECT_EQ(real.LineEnd(line), fake.LineEnd(line)) << document << " line " << line;
      for (int32_t column = 0; column < 20; ++column) {
        EXPECT_EQ(real.PositionOfColumn(line, column), fake.PositionOfColumn(line, column))
            << document << " line " << line << " column " << column;
      }
    }
    for (int32_t pos = 0; pos <= static_cast<int32_t>(document.size()); ++pos) {
      if (pos < static_cast<int32_t>(document.size()) && (static_cast<unsigned char>(document[pos]) & 0xC0) == 0x80) {
        continue;
      }
      EXPECT_EQ(real.ColumnOf(pos), fake.ColumnOf(pos)) << document << " at " << pos;
    }
  }
}

TEST(ScintillaMapping, EditColumnsFollowTheDocumentsTabWidth) {
  for (const int tabWidth : {4, 8}) {
    const TScintilla sci("x\n\tfoo", tabWidth);
    auto editor = std::make_shared<TScintillaEditor>(sci.Sci());
    const vcl::TIntfRef<Toolsapi::IOTAModule> module = MakeEditorModule(editor);
    vcl::TIntfRef<Toolsapi::IOTASourceEditor> source;
    const vcl::TIntfRef<Toolsapi::IOTAEditView> view = SourceEditorOf(*module, source)->GetEditView(0);
    editor->SetCaret(3);
    EXPECT_EQ(Unpacked(view->GetCursorPos()).Col, tabWidth + 1);
    EXPECT_EQ(Unpacked(view->GetCursorPos()).Line, 2);
  }
}

}  // namespace
}  // namespace geanyhost::test

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (!gtk_init_check(&argc, &argv)) {
    std::puts("skipped: GTK found no display; Scintilla needs one even for a widget that is never shown");
    return 77;
  }
  return RUN_ALL_TESTS();
}
