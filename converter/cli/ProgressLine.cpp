#include "ProgressLine.h"

#include <algorithm>

#include "ConsoleText.h"

namespace Cli {

namespace {

constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

bool IsContinuationByte(char Byte) { return (static_cast<unsigned char>(Byte) & 0xC0) == 0x80; }

size_t CountColumns(std::string_view Text) {
  size_t columns = 0;
  for (const char byte : Text) columns += IsContinuationByte(byte) ? 0 : 1;
  return columns;
}

}  // namespace

std::string BatchCounts(size_t Converted, size_t Total, size_t Failed) {
  return std::to_string(Converted) + " of " + std::to_string(Total) + " documents converted, " +
         std::to_string(Failed) + " failed";
}

std::string FitToColumns(std::string_view Text, size_t Columns) {
  const size_t columns = CountColumns(Text);
  if (columns <= Columns) return std::string(Text);
  if (Columns <= 3) return std::string(Columns, '.');
  size_t drop = columns - (Columns - 3);
  size_t at = 0;
  while (at < Text.size() && (drop > 0 || IsContinuationByte(Text[at]))) {
    if (!IsContinuationByte(Text[at])) --drop;
    ++at;
  }
  return "..." + std::string(Text.substr(at));
}

TProgressLine::TProgressLine(std::FILE* Stream, bool Enabled, size_t Total)
    : FStream(Stream), FEnabled(Enabled), FTotal(Total), FWidth(Enabled ? TerminalWidth(Stream) : 80) {}

void TProgressLine::Show(size_t Done, size_t Failed, std::string_view Current) {
  if (!FEnabled) return;
  const auto now = std::chrono::steady_clock::now();
  if (FShownColumns > 0 && now - FLastDraw < kRedrawInterval) return;
  FWidth = TerminalWidth(FStream);  // asked at each redraw, so a resized terminal never wraps the line
  const std::string text = "\r" + Fitted(Done, Failed, Current);
  const size_t columns = CountColumns(text) - 1;
  WriteText(FStream, columns < FShownColumns ? text + std::string(FShownColumns - columns, ' ') + text : text);
  FShownColumns = columns;
  FLastDraw = now;
}

std::string TProgressLine::Fitted(size_t Done, size_t Failed, std::string_view Current) const {
  // One column is kept free: a line filling the last column makes some terminals wrap before the "\r".
  const size_t room = static_cast<size_t>(FWidth > 1 ? FWidth - 1 : 1);
  const std::string counts = BatchCounts(Done, FTotal, Failed) + ": ";
  if (counts.size() >= room) return counts.substr(0, room);  // the counts are ASCII
  return counts + FitToColumns(Current, room - counts.size());
}

void TProgressLine::Clear() {
  if (FShownColumns == 0) return;
  // Never more than the terminal's width now, so clearing cannot wrap either.
  const auto room = static_cast<size_t>(std::max(TerminalWidth(FStream) - 1, 1));
  WriteText(FStream, "\r" + std::string(std::min(FShownColumns, room), ' ') + "\r");
  FShownColumns = 0;
}

}  // namespace Cli
