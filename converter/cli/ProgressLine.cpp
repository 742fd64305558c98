#include "ProgressLine.h"

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
  // One column is kept free: a line filling the last column makes some terminals wrap before the "\r".
  const std::string counts = BatchCounts(Done, FTotal, Failed) + ": ";
  const size_t room = static_cast<size_t>(FWidth > 1 ? FWidth - 1 : 1);
  const size_t countsColumns = CountColumns(counts);
  const std::string line = counts + FitToColumns(Current, room > countsColumns ? room - countsColumns : 0);
  const size_t columns = CountColumns(line);
  std::string text = "\r" + line;
  if (columns < FShownColumns) text += std::string(FShownColumns - columns, ' ') + "\r" + line;
  WriteText(FStream, text);
  FShownColumns = columns;
  FLastDraw = now;
}

void TProgressLine::Clear() {
  if (FShownColumns == 0) return;
  WriteText(FStream, "\r" + std::string(FShownColumns, ' ') + "\r");
  FShownColumns = 0;
}

}  // namespace Cli
