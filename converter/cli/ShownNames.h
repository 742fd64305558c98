#pragma once
// File names as pelmora-convert prints them: as UTF-8, with control characters escaped as "ls -b" shows them, so a
// name can neither drive the terminal nor split a line. The files themselves keep their exact names.

#include <string>
#include <string_view>

namespace Cli {

// Text with each control character (below 32, and 127) written as a C escape: "\n", "\t", ... or "\033".
std::string EscapeControls(std::string_view Text);

// A file name as the system passed it, ready for a line of the program: NameForMessage, then EscapeControls.
std::string ShownName(std::string_view Name);

}  // namespace Cli
