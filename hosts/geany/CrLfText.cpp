#include "CrLfText.h"

#include <algorithm>
#include <cstring>

namespace geanyhost {
namespace {
constexpr char kLineBreak[] = "\r\n";
constexpr int32_t kLineBreakSize = 2;
}  // namespace

TCrLfText::TCrLfText(const TEditorWidget& widget) : FWidget(widget) {
  const int32_t lines = widget.LineCount();
  FTextStarts.reserve(static_cast<size_t>(lines));
  for (int32_t line = 0; line < lines; ++line) {
    FTextStarts.push_back(FSize);
    FSize += ContentLength(line) + (line + 1 < lines ? kLineBreakSize : 0);
  }
}

int32_t TCrLfText::ContentLength(int32_t line0) const { return FWidget.LineEnd(line0) - FWidget.LineStart(line0); }

int32_t TCrLfText::Read(int32_t offset, char* buffer, int32_t count) const {
  if (offset < 0 || count <= 0 || offset >= FSize) return 0;
  const std::string_view document = FWidget.Text();
  const auto lines = static_cast<int32_t>(FTextStarts.size());
  // The line holding offset: the last one that starts at or before it.
  int32_t line = static_cast<int32_t>(std::upper_bound(FTextStarts.begin(), FTextStarts.end(), offset) -
                                      FTextStarts.begin()) - 1;
  int32_t copied = 0;
  int32_t inLine = offset - FTextStarts[static_cast<size_t>(line)];
  while (copied < count && line < lines) {
    const int32_t content = ContentLength(line);
    if (inLine < content) {
      const int32_t take = std::min(count - copied, content - inLine);
      std::memcpy(buffer + copied, document.data() + FWidget.LineStart(line) + inLine, static_cast<size_t>(take));
      copied += take;
      inLine += take;
      continue;
    }
    if (line + 1 == lines) break;  // the last line has no break
    const int32_t intoBreak = inLine - content;
    const int32_t take = std::min(count - copied, kLineBreakSize - intoBreak);
    std::memcpy(buffer + copied, kLineBreak + intoBreak, static_cast<size_t>(take));
    copied += take;
    inLine += take;
    if (inLine - content == kLineBreakSize) {
      ++line;
      inLine = 0;
    }
  }
  return copied;
}

int32_t TCrLfText::ClampedLine(int32_t line) const {
  return std::clamp<int32_t>(line, 1, static_cast<int32_t>(FTextStarts.size())) - 1;
}

int32_t TCrLfText::OffsetOf(int32_t line, int32_t charIndex) const {
  const int32_t line0 = ClampedLine(line);
  return FTextStarts[static_cast<size_t>(line0)] + std::clamp<int32_t>(charIndex, 0, ContentLength(line0));
}

int32_t TCrLfText::DocumentPosition(int32_t line, int32_t charIndex) const {
  const int32_t line0 = ClampedLine(line);
  return FWidget.LineStart(line0) + std::clamp<int32_t>(charIndex, 0, ContentLength(line0));
}

TCrLfText::TLineIndex TCrLfText::LineIndexOf(int32_t documentPosition) const {
  // The last line that starts at or before the position (line starts ascend).
  int32_t low = 0;
  int32_t high = static_cast<int32_t>(FTextStarts.size()) - 1;
  while (low < high) {
    const int32_t middle = low + (high - low + 1) / 2;
    if (FWidget.LineStart(middle) <= documentPosition) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  const int32_t index = std::clamp<int32_t>(documentPosition - FWidget.LineStart(low), 0, ContentLength(low));
  return {low + 1, index};
}

}  // namespace geanyhost
