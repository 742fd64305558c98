#pragma once
// Source texts for the editor tests, with CR LF line ends.

#include <string>
#include <vector>

namespace testhost {

// Lines joined with CR LF, without a break after the last one.
inline std::string CrLfText(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  return text;
}

// count lines "line 1" ... "line <count>", CR LF separated.
inline std::string NumberedLines(int count) {
  std::vector<std::string> lines;
  for (int i = 1; i <= count; ++i) lines.push_back("line " + std::to_string(i));
  return CrLfText(lines);
}

// 1-based position of the first character of line (from 1) in text.
inline int32_t LineStartPos(const std::string& text, int line) {
  size_t offset = 0;
  for (int i = 1; i < line; ++i) offset = text.find('\n', offset) + 1;
  return static_cast<int32_t>(offset + 1);
}

}  // namespace testhost
