#pragma once
// The working line: the input line the scanner is working on, with a cursor in front. Cutting the line moves the
// cursor instead of copying the rest, and joining appends, so a document held in one huge line costs the same per
// byte as one in many short lines.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "pmrconv/LineSource.h"

namespace pmrconv {

// Texts the readers look for "first in the working line" or "advance to".
enum class TNeedle : uint8_t {
  OpenBrace,     // "{"
  CloseBrace,    // "}"
  Backslash,     // "\"
  Semicolon,     // ";"
  BlankOrBrace,  // " ", "{" or "}"
  NameEnd,       // ";", "{" or "\"
  Falt,          // "\*\falt"
  Par,           // "\par"
  Intbl,         // "\intbl"
  Bin,           // "bin"
  Fonttbl,       // "\fonttbl"
  Colortbl,      // "\colortbl"
  Count
};

class TWorkingLine {
public:
  static constexpr size_t npos = std::string_view::npos;

  TWorkingLine() = default;
  explicit TWorkingLine(std::string_view Text) { Assign(Text); }

  // Positions are 0-based from the cursor.
  size_t Length() const noexcept { return FBuf.size() - FStart; }
  bool Empty() const noexcept { return Length() == 0; }
  char operator[](size_t Index) const { return FBuf[FStart + Index]; }
  std::string_view View() const noexcept { return std::string_view(FBuf).substr(FStart); }
  // Up to Count characters from From (fewer at the end of the line).
  std::string_view Sub(size_t From, size_t Count = npos) const {
    const std::string_view v = View();
    if (From >= v.size()) return {};
    return v.substr(From, Count);
  }

  // Drops the first From characters (all of them when From is beyond the end).
  void Cut(size_t From) { FStart += From < Length() ? From : Length(); }
  void Clear();
  void Assign(std::string_view Text);
  // The working line := the next input line.
  void ReadNext(TLineSource& Source);
  // Joins the next input line to the working line, without a separator.
  void AppendNext(TLineSource& Source);
  // Appends Text to the working line.
  void Append(std::string_view Text) { FBuf.append(Text); }

  // First position at or after From where Needle begins, or npos. Answers are remembered until the line is
  // replaced, so the readers' repeated "first occurrence in the working line" questions cost linear time in all.
  size_t Find(TNeedle Needle, size_t From);

private:
  size_t Scan(TNeedle Needle, size_t PhysFrom) const;
  void Replaced() noexcept { ++FContent; }

  struct TFound {
    uint64_t Content = UINT64_MAX;  // FContent the answer belongs to
    size_t From = 0;                // physical position the search began at
    size_t Result = npos;           // physical position found
    size_t ScannedEnd = 0;          // buffer size when Result == npos was established
  };

  std::string FBuf;
  size_t FStart = 0;
  uint64_t FContent = 0;  // bumped when bytes before the end change or move (answers become invalid)
  TFound FFound[static_cast<size_t>(TNeedle::Count)];
};

// The working line from From (0-based) on. While the line is not longer than From and more input follows, the
// next lines are joined first; when it is still too short the line becomes empty.
void RestOfLine(TLineSource& Source, TWorkingLine& Line, size_t From);

// Joins lines while the working line is at most 4 characters long, so that a short remainder such as "}" at the
// end of a line is read together with what follows.
void JoinShortRemainder(TLineSource& Source, TWorkingLine& Line);

}  // namespace pmrconv
