// pelmora: the converter window.
#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "WindowStart.h"

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
  return WindowStart::RunWindow(start);
}
