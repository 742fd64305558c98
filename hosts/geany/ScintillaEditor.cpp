#include "ScintillaEditor.h"

#include <gtk/gtk.h>

#include <algorithm>

#include <Scintilla.h>
#include <ScintillaWidget.h>

namespace geanyhost {

TScintillaEditor::TScintillaEditor(ScintillaObject* sci) : FSci(sci) { g_object_ref(FSci); }

TScintillaEditor::~TScintillaEditor() { g_object_unref(FSci); }

long TScintillaEditor::Send(unsigned int message, unsigned long wParam, long lParam) const {
  return static_cast<long>(scintilla_send_message(FSci, message, wParam, lParam));
}

std::string_view TScintillaEditor::Text() const {
  // The document's own storage made contiguous: no copy, valid until the next change.
  const auto* bytes = reinterpret_cast<const char*>(Send(SCI_GETCHARACTERPOINTER));
  return {bytes, static_cast<size_t>(Send(SCI_GETLENGTH))};
}

int32_t TScintillaEditor::LineCount() const { return static_cast<int32_t>(Send(SCI_GETLINECOUNT)); }

int32_t TScintillaEditor::LineStart(int32_t line) const {
  return static_cast<int32_t>(Send(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line)));
}

int32_t TScintillaEditor::LineEnd(int32_t line) const {
  return static_cast<int32_t>(Send(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line)));
}

int32_t TScintillaEditor::ColumnOf(int32_t pos) const {
  return static_cast<int32_t>(Send(SCI_GETCOLUMN, static_cast<unsigned long>(pos)));
}

int32_t TScintillaEditor::PositionOfColumn(int32_t line, int32_t column) const {
  return static_cast<int32_t>(Send(SCI_FINDCOLUMN, static_cast<unsigned long>(line), column));
}

int32_t TScintillaEditor::Caret() const { return static_cast<int32_t>(Send(SCI_GETCURRENTPOS)); }

void TScintillaEditor::SetCaret(int32_t pos) { Send(SCI_GOTOPOS, static_cast<unsigned long>(pos)); }

int32_t TScintillaEditor::FirstVisibleLine() const {
  // Scintilla counts display lines; folded and wrapped lines make them differ from document lines.
  const long displayLine = Send(SCI_GETFIRSTVISIBLELINE);
  return static_cast<int32_t>(Send(SCI_DOCLINEFROMVISIBLE, static_cast<unsigned long>(displayLine)));
}

int32_t TScintillaEditor::ColumnWidth() const {
  static constexpr char kBlank[] = " ";
  return std::max<int32_t>(1, static_cast<int32_t>(Send(SCI_TEXTWIDTH, STYLE_DEFAULT, reinterpret_cast<long>(kBlank))));
}

int32_t TScintillaEditor::FirstVisibleColumn() const {
  return static_cast<int32_t>(Send(SCI_GETXOFFSET)) / ColumnWidth();
}

void TScintillaEditor::ScrollTo(int32_t line, int32_t column) {
  const long displayLine = Send(SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(line));
  Send(SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(displayLine));
  Send(SCI_SETXOFFSET, static_cast<unsigned long>(column) * static_cast<unsigned long>(ColumnWidth()));
}

void TScintillaEditor::Redraw() { gtk_widget_queue_draw(GTK_WIDGET(FSci)); }

}  // namespace geanyhost
