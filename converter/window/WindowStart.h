#pragma once
// The command line of the pelmora window: nothing (the current folder), a FOLDER to open, or a FILE whose
// folder is opened with the file selected, as a desktop passes a document; --help and --version print.

#include <span>
#include <string>

namespace WindowStart {

enum class TAction { Run, Help, Version, UsageError };

struct TStart {
  TAction Action = TAction::Run;
  std::string Folder;  // where the window opens; empty: the current folder
  std::string File;    // the name to select in Folder; empty: nothing
  std::string Error;   // for UsageError: the one-line complaint
};

// Reads the arguments after the program's name. A path that is not a folder counts as a file, so a
// document that does not exist (yet) still opens its folder.
TStart ParseArguments(std::span<const std::string> args);

// For Run: enters Start.Folder (one that cannot be entered leaves the window on the current folder, as a
// desktop's start would) and runs the main window there with Start.File selected. An error that keeps the window
// from being built (the folder cannot be read) is shown, and the program ends as a failure (1). Needs the
// toolkit's application.
int RunWindow(const TStart& Start);

// What --help prints.
extern const char* const kHelpText;
// What --version prints: name, version, copyright and licence.
std::string VersionText();

}  // namespace WindowStart
