// Stands in for an uninstall command in the end-to-end tests: sleeps, then writes the command
// line it was started with to a marker file, and ends with the exit code it was given.
// Usage: uninstall_probe.exe MARKER [SLEEP_MS [EXIT_CODE [ANYTHING...]]]

#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 2) return 100;
  Sleep(argc > 2 ? static_cast<DWORD>(std::atoi(argv[2])) : 0);
  std::FILE* marker = std::fopen(argv[1], "wb");
  if (marker == nullptr) return 101;
  const bool written = std::fputs(GetCommandLineA(), marker) >= 0;
  if (std::fclose(marker) != 0 || !written) return 102;
  return argc > 3 ? std::atoi(argv[3]) : 0;
}
