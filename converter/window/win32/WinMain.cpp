// pelmora.exe: the converter window.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "WindowStart.h"

namespace {

// A program without a console prints where it was started from: into a redirected standard output, else
// into the console of the command prompt that started it, else (started from Explorer) into a message box.
void Print(const std::string& text, UINT boxIcon) {
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  bool ownConsole = false;
  if (out == nullptr || out == INVALID_HANDLE_VALUE) {
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
      ownConsole = true;
      out = CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    }
  }
  DWORD written = 0;
  if (out != nullptr && out != INVALID_HANDLE_VALUE &&
      WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr)) {
    if (ownConsole) CloseHandle(out);
    return;
  }
  if (ownConsole && out != INVALID_HANDLE_VALUE) CloseHandle(out);
  MessageBoxA(nullptr, text.c_str(), "pelmora", MB_OK | boxIcon);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // A drive without its medium is reported as an error of the folder list, not by a system box asking for a
  // disk.
  SetErrorMode(SEM_FAILCRITICALERRORS);
  const std::vector<std::string> args(__argv + (__argc > 0 ? 1 : 0), __argv + __argc);
  const WindowStart::TStart start = WindowStart::ParseArguments(args);
  switch (start.Action) {
    case WindowStart::TAction::Help: Print(WindowStart::kHelpText, MB_ICONINFORMATION); return 0;
    case WindowStart::TAction::Version: Print(WindowStart::VersionText(), MB_ICONINFORMATION); return 0;
    case WindowStart::TAction::UsageError:
      Print(start.Error + "\nTry 'pelmora --help' for more information.\n", MB_ICONSTOP);
      return 2;
    case WindowStart::TAction::Run: break;
  }
  return WindowStart::RunWindow(start);
}
