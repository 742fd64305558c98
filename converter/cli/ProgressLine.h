#pragma once
// The progress line of a batch on a terminal: redrawn in place, cleared before other output and at the end.

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

namespace Cli {

class TProgressLine {
public:
  // A line on Stream for a batch of Total documents; it shows nothing unless Enabled.
  TProgressLine(std::FILE* Stream, bool Enabled, size_t Total);
  ~TProgressLine() { Clear(); }
  TProgressLine(const TProgressLine&) = delete;
  TProgressLine& operator=(const TProgressLine&) = delete;

  // Redraws "DONE of TOTAL documents converted, FAILED failed: CURRENT" (Current as UTF-8 with its control
  // characters escaped, shortened to fit the terminal's width as it is now), at most ten times a second, but at
  // once when the line is not shown.
  void Show(size_t Done, size_t Failed, std::string_view Current);
  // Removes the line, so that the next output starts at the beginning of an empty line.
  void Clear();

private:
  std::string Fitted(size_t Done, size_t Failed, std::string_view Current) const;

  std::FILE* FStream;
  bool FEnabled;
  size_t FTotal;
  int FWidth;
  size_t FShownColumns = 0;
  std::chrono::steady_clock::time_point FLastDraw;
};

// "N of M documents converted, K failed": the counts of a batch, as its progress and its closing line give them.
std::string BatchCounts(size_t Converted, size_t Total, size_t Failed);

// Text shortened from its start, with "..." in front, to at most Columns characters (UTF-8 sequences counted as one).
std::string FitToColumns(std::string_view Text, size_t Columns);

}  // namespace Cli
