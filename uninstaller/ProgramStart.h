#pragma once
// The pieces of vouninst's program start: argument splitting, the final error report and the
// run itself, kept apart from the Win32 entry point so that they are tested natively.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "uVoUnInstaller.h"

namespace vouninst {

// Longest argument kept; the rest of a longer one is dropped.
inline constexpr std::size_t kMaxArgumentLength = 4096;

// Splits a command line into its items as the runtime does; item 0 names the program. Blanks and
// control characters separate items, a stretch in double quotes may hold them (the quotes are
// dropped), pairs of empty quotes before an item are skipped, and an item is cut after
// maxItemLength characters. The list ends at the first empty item.
std::vector<std::string> SplitCommandLine(std::string_view commandLine,
                                          std::size_t maxItemLength = kMaxArgumentLength);

// The items of an argument vector that a shell has split already, as the Windows build would see
// the same words: empty ones (an empty quote pair there) are skipped and each is cut after
// kMaxArgumentLength characters.
std::vector<std::string> ItemsOfArguments(int argc, const char* const* argv);

// Path without its folder (everything up to the last backslash, slash or drive colon).
std::string FileNameWithoutFolder(std::string_view path);

// Text of the final error report: "Exception <class> in module <module> at <8 hex digits>.",
// a line feed, and the message with a period added unless it is empty or already ends in one.
std::string FormatErrorReport(std::string_view className, std::string_view moduleName, std::uint32_t codeAddress,
                              std::string_view message);

// How the final error report reaches the user.
struct TErrorReporter {
  std::string ModuleName;      // program file name without folder
  std::uint32_t CodeAddress;   // stable code location, counted from the program's image start
  std::function<void(const std::string& text)> Show;
};

// The program after runtime start-up: with an argument (Items[1]), hands it to Uninstaller and
// uninstalls. Returns the exit code: 0 after a started command or without an argument, 1 after
// any error, which is first shown through Reporter.
int RunProgram(const std::vector<std::string>& items, uVoUnInstaller::TVOUninstaller& uninstaller,
               const TErrorReporter& reporter);

}  // namespace vouninst
