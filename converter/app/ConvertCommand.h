#pragma once
// The command line of pelmora-convert: pelmora-convert [-o DEST] SOURCE...

#include <cstdio>
#include <string>

// Converts each SOURCE of the arguments (without the program name) in order and returns the exit status: 0 when all
// converted, 1 when any failed (one line on Err each), 2 on a usage error (a one-line hint on Err).
int RunConvertCommand(int ArgCount, const char* const* Args, std::FILE* Out, std::FILE* Err);

