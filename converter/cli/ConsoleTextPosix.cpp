#include <sys/ioctl.h>
#include <unistd.h>

#include "ConsoleText.h"

namespace Cli {

bool WriteText(std::FILE* Stream, std::string_view Text) {
  const bool written = std::fwrite(Text.data(), 1, Text.size(), Stream) == Text.size();
  return std::fflush(Stream) == 0 && written;
}

bool IsTerminal(std::FILE* Stream) { return ::isatty(::fileno(Stream)) == 1; }

int TerminalWidth(std::FILE* Stream) {
  winsize size{};
  return ::ioctl(::fileno(Stream), TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
}

std::string NameForMessage(std::string_view Name) { return std::string(Name); }

}  // namespace Cli
