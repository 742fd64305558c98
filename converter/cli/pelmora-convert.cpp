// pelmora-convert: converts RTF documents into HTML pages (see --help). The command lives in ConvertCommand.

#include <cstdio>

#include "ConvertCommand.h"

int main(int argc, char** argv) { return RunConvertCommand(argc - 1, argv + 1, stdout, stderr); }
