// pelmora-convert [-o DEST] SOURCE...: converts RTF documents into HTML pages.

#include <cstdio>

#include "ConvertCommand.h"

int main(int argc, char** argv) { return RunConvertCommand(argc - 1, argv + 1, stdout, stderr); }
