#include "ShownNames.h"

#include "ConsoleText.h"

namespace Cli {

namespace {

// The letters of the escapes C has for the control characters 7 to 13.
constexpr std::string_view kLetters = "abtnvfr";

}  // namespace

std::string EscapeControls(std::string_view Text) {
  std::string shown;
  shown.reserve(Text.size());
  for (const char c : Text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 32 && byte != 127) {
      shown += c;
    } else if (byte >= 7 && byte <= 13) {
      shown += '\\';
      shown += kLetters[byte - 7];
    } else {
      const char octal[] = {'\\', static_cast<char>('0' + (byte >> 6)), static_cast<char>('0' + ((byte >> 3) & 7)),
                            static_cast<char>('0' + (byte & 7))};
      shown.append(octal, sizeof octal);
    }
  }
  return shown;
}

std::string ShownName(std::string_view Name) { return EscapeControls(NameForMessage(Name)); }

}  // namespace Cli
