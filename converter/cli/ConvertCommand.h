#pragma once
// The command line of pelmora-convert: pelmora-convert [OPTION]... SOURCE... (see its --help).

#include <cstdio>

// Converts the documents the arguments (without the program's name) name, in order, and returns the exit status:
// 0 when all converted, 1 when any failed (one line on Err each, and for a batch a closing count), 2 when the
// command line cannot be carried out (a one-line hint on Err). Pages named "-" go to the process's standard output,
// which Out must then be.
int RunConvertCommand(int ArgCount, const char* const* Args, std::FILE* Out, std::FILE* Err);
