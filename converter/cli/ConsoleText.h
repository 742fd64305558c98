#pragma once
// Messages of pelmora-convert on standard output and standard error. The program's texts and the converter's
// messages are UTF-8; file names are as the system passed them. On Windows a console is written in UTF-16 and a
// redirected stream in the ANSI code page, so that the German messages read correctly in either; elsewhere the
// bytes are written as they are (one implementation per platform: ConsoleTextPosix.cpp, ConsoleTextWin32.cpp).

#include <cstdio>
#include <string>
#include <string_view>

namespace Cli {

// Writes the UTF-8 text Text to Stream (stdout or stderr), unbuffered past this call. False when the text could not
// be written (a full disk, a closed pipe); the stream then stays in error.
bool WriteText(std::FILE* Stream, std::string_view Text);

// Whether Stream is a terminal (a console on Windows).
bool IsTerminal(std::FILE* Stream);

// The number of columns of the terminal Stream; 80 when it cannot be told.
int TerminalWidth(std::FILE* Stream);

// A file name as the system passed it (the ANSI code page on Windows), as UTF-8 for a message.
std::string NameForMessage(std::string_view Name);

}  // namespace Cli
