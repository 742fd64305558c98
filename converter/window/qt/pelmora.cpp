// pelmora: the converter window.
#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "Forms.h"
#include "WindowStart.h"
#include "pmrform.h"

int main(int argc, char** argv) {
  // Read before Qt starts, so that --help and --version also work without a display.
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const WindowStart::TStart start = WindowStart::ParseArguments(args);
  switch (start.Action) {
    case WindowStart::TAction::Help: std::fputs(WindowStart::kHelpText, stdout); return 0;
    case WindowStart::TAction::Version: std::fputs(WindowStart::VersionText().c_str(), stdout); return 0;
    case WindowStart::TAction::UsageError:
      std::fprintf(stderr, "%s\nTry 'pelmora --help' for more information.\n", start.Error.c_str());
      return 2;
    case WindowStart::TAction::Run: break;
  }

  QApplication application(argc, argv);
  // A folder that cannot be entered leaves the window on the current one, as a desktop's start would.
  std::error_code ignored;
  if (!start.Folder.empty()) std::filesystem::current_path(start.Folder, ignored);
  try {
    return pmrform::RunMainWindow(start.File);
  } catch (const std::exception& error) {
    // The window could not be built, e.g. the current folder cannot be read: say why, and end as a failure.
    Forms::ShowException(error);
    return 1;
  }
}
