#include "WindowStart.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "Forms.h"
#include "pmrform.h"

namespace WindowStart {

const char* const kHelpText =
    "Usage: pelmora [FILE | FOLDER]\n"
    "Opens the RTF-to-HTML converter's window on FOLDER, or on the folder of FILE with FILE selected;\n"
    "without either, on the current folder. Pick a file and press OK: the page is written beside it.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "  -V, --version  show the version and exit\n";

std::string VersionText() {
  return "pelmora " PELMORA_VERSION
         "\nCopyright (c) 2026 the pelmora developers\n"
         "MIT License: free to use, copy, modify and distribute; provided without warranty.\n";
}

namespace {

// Windows programs show their help for "/?"; elsewhere that is a path.
bool IsWindowsHelp(const std::string& arg) {
#if defined(_WIN32)
  return arg == "/?";
#else
  (void)arg;
  return false;
#endif
}

TStart Refused(std::string error) {
  TStart start;
  start.Action = TAction::UsageError;
  start.Error = std::move(error);
  return start;
}

}  // namespace

TStart ParseArguments(std::span<const std::string> args) {
  TStart start;
  bool optionsEnd = false;
  const std::string* path = nullptr;
  for (const std::string& arg : args) {
    if (!optionsEnd && arg == "--") {
      optionsEnd = true;
    } else if (!optionsEnd && (arg == "-h" || arg == "--help" || IsWindowsHelp(arg))) {
      start.Action = TAction::Help;
      return start;
    } else if (!optionsEnd && (arg == "-V" || arg == "--version")) {
      start.Action = TAction::Version;
      return start;
    } else if (!optionsEnd && arg.size() > 1 && arg[0] == '-') {
      return Refused("pelmora: unknown option '" + arg + "'");
    } else if (path != nullptr) {
      return Refused("pelmora: one FILE or FOLDER at most");
    } else {
      path = &arg;
    }
  }
  if (path == nullptr || path->empty()) return start;

  std::error_code ignored;
  const std::filesystem::path given(*path);
  if (std::filesystem::is_directory(given, ignored)) {
    start.Folder = *path;
  } else {
    start.Folder = given.parent_path().string();
    start.File = given.filename().string();
  }
  return start;
}

int RunWindow(const TStart& Start) {
  std::error_code ignored;
  if (!Start.Folder.empty()) std::filesystem::current_path(Start.Folder, ignored);
  try {
    return pmrform::RunMainWindow(Start.File);
  } catch (const std::exception& error) {
    Forms::ShowException(error);
    return 1;
  }
}

}  // namespace WindowStart
