// Splitting the program's command line into items, by the rules of the runtime it was built for.

#include "ProgramStart.h"

namespace vouninst {

namespace {

// Blanks and all control characters separate; bytes above 127 are ordinary characters.
bool IsSeparator(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine, std::size_t maxItemLength) {
  std::vector<std::string> items;
  std::size_t p = 0;
  const std::size_t n = commandLine.size();
  // An embedded zero ends the command line, as it would for the C string it comes from.
  const std::size_t end = std::min(commandLine.find('\0'), n);
  for (;;) {
    for (;;) {
      while (p < end && IsSeparator(commandLine[p])) ++p;
      if (p + 1 < end && commandLine[p] == '"' && commandLine[p + 1] == '"')
        p += 2;
      else
        break;
    }
    std::string item;
    while (p < end && !IsSeparator(commandLine[p])) {
      if (commandLine[p] == '"') {
        ++p;
        while (p < end && commandLine[p] != '"') {
          if (item.size() < maxItemLength) item += commandLine[p];
          ++p;
        }
        if (p < end) ++p;  // the closing quote
      } else {
        if (item.size() < maxItemLength) item += commandLine[p];
        ++p;
      }
    }
    if (item.empty()) break;
    items.push_back(std::move(item));
  }
  return items;
}

std::vector<std::string> ItemsOfArguments(int argc, const char* const* argv) {
  std::vector<std::string> items;
  for (int i = 0; i < argc; ++i) {
    const std::string_view argument = argv[i];
    // Item 0, the program, is kept even when empty, so that the first argument stays item 1.
    if (argument.empty() && i > 0) continue;
    items.emplace_back(argument.substr(0, kMaxArgumentLength));
  }
  return items;
}

}  // namespace vouninst
