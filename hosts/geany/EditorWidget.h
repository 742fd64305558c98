#pragma once
// What the host needs of one editor widget: the document's bytes and lines, the editor's own columns,
// the caret and the scrolled view. Geany's Scintilla implements it; the tests use a plain fake.

#include <cstdint>
#include <string_view>

namespace geanyhost {

// Positions are 0-based byte offsets into the document, lines 0-based, columns 0-based.
class TEditorWidget {
 public:
  virtual ~TEditorWidget() = default;
  // The document's bytes, valid until the document changes.
  virtual std::string_view Text() const = 0;
  virtual int32_t LineCount() const = 0;  // at least 1
  virtual int32_t LineStart(int32_t line) const = 0;
  // Where the line's break begins; the document's end on the last line.
  virtual int32_t LineEnd(int32_t line) const = 0;
  // The editor's column at pos: tabs reach the next tab stop, a multi-byte character is one column.
  virtual int32_t ColumnOf(int32_t pos) const = 0;
  // The position at column of line; the line's end when the line is shorter.
  virtual int32_t PositionOfColumn(int32_t line, int32_t column) const = 0;

  virtual int32_t Caret() const = 0;
  virtual void SetCaret(int32_t pos) = 0;
  virtual int32_t FirstVisibleLine() const = 0;
  virtual int32_t FirstVisibleColumn() const = 0;
  // Scrolls so that line is the first visible one and column the leftmost.
  virtual void ScrollTo(int32_t line, int32_t column) = 0;
  virtual void Redraw() = 0;
};

}  // namespace geanyhost
