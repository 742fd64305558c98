#pragma once
// The editor's document as the package reads it: every line break, whatever the file uses (LF,
// CR LF or CR), becomes CR LF; the last line keeps no break. Bytes stay bytes, so a multi-byte UTF-8
// character is as many characters as it has bytes. Maps positions of that text back to the document.

#include <cstdint>
#include <vector>

#include "EditorWidget.h"

namespace geanyhost {

class TCrLfText {
 public:
  // Reads the line layout of widget, which must outlive this object and not change meanwhile.
  explicit TCrLfText(const TEditorWidget& widget);

  int32_t Size() const { return FSize; }
  // Copies up to count characters from the 0-based offset into buffer; returns how many it copied.
  int32_t Read(int32_t offset, char* buffer, int32_t count) const;
  // The 0-based offset of the character charIndex of the 1-based line, both clamped to the text.
  int32_t OffsetOf(int32_t line, int32_t charIndex) const;
  // The document position of the same character, clamped alike.
  int32_t DocumentPosition(int32_t line, int32_t charIndex) const;
  // The 1-based line and the character index of a document position.
  struct TLineIndex {
    int32_t Line;
    int32_t CharIndex;
  };
  TLineIndex LineIndexOf(int32_t documentPosition) const;

 private:
  int32_t ClampedLine(int32_t line) const;
  int32_t ContentLength(int32_t line0) const;

  const TEditorWidget& FWidget;
  std::vector<int32_t> FTextStarts;  // each line's start in the CR LF text
  int32_t FSize = 0;
};

}  // namespace geanyhost
