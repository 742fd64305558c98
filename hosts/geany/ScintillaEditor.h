#pragma once
// The editor widget of a Geany document: Geany's Scintilla, asked through its messages, so lines,
// columns and tab width are exactly the editor's.

#include "EditorWidget.h"

typedef struct _ScintillaObject ScintillaObject;

namespace geanyhost {

class TScintillaEditor final : public TEditorWidget {
 public:
  // Holds a reference to sci for its own lifetime.
  explicit TScintillaEditor(ScintillaObject* sci);
  ~TScintillaEditor() override;
  TScintillaEditor(const TScintillaEditor&) = delete;
  TScintillaEditor& operator=(const TScintillaEditor&) = delete;

  std::string_view Text() const override;
  int32_t LineCount() const override;
  int32_t LineStart(int32_t line) const override;
  int32_t LineEnd(int32_t line) const override;
  int32_t ColumnOf(int32_t pos) const override;
  int32_t PositionOfColumn(int32_t line, int32_t column) const override;
  int32_t Caret() const override;
  void SetCaret(int32_t pos) override;
  int32_t FirstVisibleLine() const override;
  int32_t FirstVisibleColumn() const override;
  void ScrollTo(int32_t line, int32_t column) override;
  void Redraw() override;

 private:
  long Send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;
  int32_t ColumnWidth() const;  // pixels of one column: the width of a blank

  ScintillaObject* FSci;
};

}  // namespace geanyhost
