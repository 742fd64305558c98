#pragma once
// The package's view of a module, as the package itself takes it: the text read in 16000-character chunks,
// the caret as a 1-based position of that text, and a 1-based position turned into line and character index.

#include <gtest/gtest.h>
#include <korvex50/Toolsapi.h>

#include <cstdint>
#include <memory>
#include <string>

#include "EditorModule.h"

namespace geanyhost::test {

// A record's fields unpacked, so test macros can take references to them.
struct TLineCol {
  int32_t Line;
  int32_t Col;
};
inline TLineCol Unpacked(const Toolsapi::TOTAEditPos& pos) { return {pos.Line, pos.Col}; }
inline TLineCol Unpacked(const Toolsapi::TOTACharPos& pos) { return {pos.Line, pos.CharIndex}; }

inline Toolsapi::IOTASourceEditor* SourceEditorOf(Toolsapi::IOTAModule& module,
                                                  vcl::TIntfRef<Toolsapi::IOTASourceEditor>& holder) {
  holder = vcl::Supports<Toolsapi::IOTASourceEditor>(module.GetModuleFileEditor(0));
  return holder.Get();
}

inline std::string ReadText(Toolsapi::IOTASourceEditor& editor, int32_t chunk = 16000) {
  const vcl::TIntfRef<Toolsapi::IOTAEditReader> reader = editor.CreateReader();
  std::string text;
  int32_t read = 0;
  do {
    text.resize(text.size() + static_cast<size_t>(chunk));
    read = reader->GetText(static_cast<int32_t>(text.size()) - chunk, text.data() + text.size() - chunk, chunk);
    text.resize(text.size() - static_cast<size_t>(chunk - read));
  } while (read == chunk);
  return text;
}

// The caret as the package computes it: cursor, converted to a character position, to a buffer offset, plus 1.
inline int32_t CaretPos(Toolsapi::IOTAEditView& view) {
  Toolsapi::TOTAEditPos edit = view.GetCursorPos();
  Toolsapi::TOTACharPos chars{};
  view.ConvertPos(true, edit, chars);
  return view.CharPosToPos(chars) + 1;
}

// Line (from 1) and character index of the 1-based pos, where CR or CR LF ends a line.
inline Toolsapi::TOTACharPos CharPosOf(const std::string& text, int32_t pos) {
  int32_t line = 1;
  int32_t column = 0;
  for (int32_t i = 1; i < pos; ++i) {
    if (text[static_cast<size_t>(i - 1)] == '\r') {
      if (i + 1 < pos && text[static_cast<size_t>(i)] == '\n') ++i;
      ++line;
      column = 0;
    } else {
      ++column;
    }
  }
  return {static_cast<int16_t>(column), line};
}

// Puts the caret on the 1-based pos as the package does: character position, converted, set.
inline void MoveCaret(Toolsapi::IOTAEditView& view, const std::string& text, int32_t pos) {
  Toolsapi::TOTACharPos chars = CharPosOf(text, pos);
  Toolsapi::TOTAEditPos edit{};
  view.ConvertPos(false, edit, chars);
  view.SetCursorPos(edit);
}

// LF, CR LF and CR breaks, tabs, two- and three-byte characters, an empty line and a last line without a break.
inline const std::string kMixedDocument =
    "int\tfoo;\n\t\tGr\xC3\xB6\xC3\x9F" "e = foo;\r\n\xE2\x82\xAC x\rfoo\n\nend foo";

// Every caret position of document in editor: the package reads the caret on the same character of its
// CR LF text, and that character's position puts the caret back where it was.
inline void ExpectEveryCaretRoundTrips(const std::shared_ptr<TEditorWidget>& editor, const std::string& document) {
  const vcl::TIntfRef<Toolsapi::IOTAModule> module = MakeEditorModule(editor);
  vcl::TIntfRef<Toolsapi::IOTASourceEditor> source;
  ASSERT_NE(SourceEditorOf(*module, source), nullptr);
  const std::string text = ReadText(*source);
  const vcl::TIntfRef<Toolsapi::IOTAEditView> view = source->GetEditView(0);
  const auto size = static_cast<int32_t>(document.size());
  for (int32_t pos = 0; pos <= size; ++pos) {
    const bool inside = pos > 0 && pos < size &&
                        ((static_cast<unsigned char>(document[pos]) & 0xC0) == 0x80 ||
                         (document[pos] == '\n' && document[pos - 1] == '\r'));
    if (inside) continue;  // inside a character or a CR LF pair: no caret stands there
    editor->SetCaret(pos);
    const int32_t packagePos = CaretPos(*view);
    if (pos == size) {
      EXPECT_EQ(packagePos, static_cast<int32_t>(text.size()) + 1);
    } else if (document[pos] == '\r' || document[pos] == '\n') {
      EXPECT_EQ(text[static_cast<size_t>(packagePos - 1)], '\r') << pos;
    } else {
      EXPECT_EQ(text[static_cast<size_t>(packagePos - 1)], document[pos]) << pos;
    }
    editor->SetCaret(0);
    MoveCaret(*view, text, packagePos);
    EXPECT_EQ(editor->Caret(), pos) << "package position " << packagePos;
  }
}

}  // namespace geanyhost::test
