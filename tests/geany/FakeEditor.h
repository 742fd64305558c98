#pragma once
// An editor widget over a plain string, laid out as Geany's Scintilla lays it out: a line ends at CR, LF or
// CR LF; a tab reaches the next multiple of the tab width; a multi-byte UTF-8 character is one column.

#include <algorithm>
#include <string>
#include <vector>

#include "EditorWidget.h"

namespace geanyhost::test {

class TFakeEditor final : public TEditorWidget {
 public:
  explicit TFakeEditor(std::string text, int32_t tabWidth = 8) : FText(std::move(text)), FTabWidth(tabWidth) {
    FStarts.push_back(0);
    for (size_t i = 0; i < FText.size(); ++i) {
      if (FText[i] != '\r' && FText[i] != '\n') continue;
      FEnds.push_back(static_cast<int32_t>(i));
      if (FText[i] == '\r' && i + 1 < FText.size() && FText[i + 1] == '\n') ++i;
      FStarts.push_back(static_cast<int32_t>(i + 1));
    }
    FEnds.push_back(static_cast<int32_t>(FText.size()));
  }

  std::string_view Text() const override { return FText; }
  int32_t LineCount() const override { return static_cast<int32_t>(FStarts.size()); }
  int32_t LineStart(int32_t line) const override { return FStarts.at(static_cast<size_t>(line)); }
  int32_t LineEnd(int32_t line) const override { return FEnds.at(static_cast<size_t>(line)); }
  int32_t ColumnOf(int32_t pos) const override {
    const int32_t line = LineOf(pos);
    int32_t column = 0;
    for (int32_t i = LineStart(line); i < std::min(pos, LineEnd(line)); ++i) {
      const auto byte = static_cast<unsigned char>(FText[static_cast<size_t>(i)]);
      if (byte == '\t') {
        column = (column / FTabWidth + 1) * FTabWidth;
      } else if ((byte & 0xC0) != 0x80) {
        ++column;
      }
    }
    return column;
  }
  // A column inside a tab's span gives the tab's position.
  int32_t PositionOfColumn(int32_t line, int32_t column) const override {
    int32_t pos = LineStart(line);
    for (int32_t current = 0; pos < LineEnd(line) && current < column;) {
      if (FText[static_cast<size_t>(pos)] == '\t') {
        current = (current / FTabWidth + 1) * FTabWidth;
        if (current > column) return pos;
        ++pos;
      } else {
        ++current;
        do ++pos; while (pos < LineEnd(line) && !IsCharStart(pos));
      }
    }
    return pos;
  }
  int32_t Caret() const override { return FCaret; }
  void SetCaret(int32_t pos) override { FCaret = pos; }
  int32_t FirstVisibleLine() const override { return FTopLine; }
  int32_t FirstVisibleColumn() const override { return FLeftColumn; }
  void ScrollTo(int32_t line, int32_t column) override {
    FTopLine = line;
    FLeftColumn = column;
  }
  void Redraw() override { ++Redraws; }

  int Redraws = 0;

 private:
  bool IsCharStart(int32_t pos) const { return (static_cast<unsigned char>(FText[static_cast<size_t>(pos)]) & 0xC0) != 0x80; }
  int32_t LineOf(int32_t pos) const {
    return static_cast<int32_t>(std::upper_bound(FStarts.begin(), FStarts.end(), pos) - FStarts.begin()) - 1;
  }

  std::string FText;
  int32_t FTabWidth;
  std::vector<int32_t> FStarts;
  std::vector<int32_t> FEnds;
  int32_t FCaret = 0;
  int32_t FTopLine = 0;
  int32_t FLeftColumn = 0;
};

}  // namespace geanyhost::test
