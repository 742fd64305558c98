#include <windows.h>
#include <io.h>

#include "ConsoleText.h"

namespace Cli {

namespace {

HANDLE HandleOf(std::FILE* Stream) { return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(Stream))); }

std::wstring ToWide(std::string_view Text, UINT CodePage) {
  if (Text.empty()) return {};
  const int size = MultiByteToWideChar(CodePage, 0, Text.data(), static_cast<int>(Text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CodePage, 0, Text.data(), static_cast<int>(Text.size()), wide.data(), size);
  return wide;
}

std::string FromWide(std::wstring_view Wide, UINT CodePage) {
  if (Wide.empty()) return {};
  const int size =
      WideCharToMultiByte(CodePage, 0, Wide.data(), static_cast<int>(Wide.size()), nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CodePage, 0, Wide.data(), static_cast<int>(Wide.size()), text.data(), size, nullptr, nullptr);
  return text;
}

}  // namespace

bool WriteText(std::FILE* Stream, std::string_view Text) {
  const std::wstring wide = ToWide(Text, CP_UTF8);
  std::fflush(Stream);
  if (IsTerminal(Stream)) {
    DWORD written = 0;
    return WriteConsoleW(HandleOf(Stream), wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != 0;
  }
  const std::string ansi = FromWide(wide, CP_ACP);
  const bool written = std::fwrite(ansi.data(), 1, ansi.size(), Stream) == ansi.size();
  return std::fflush(Stream) == 0 && written;
}

bool IsTerminal(std::FILE* Stream) {
  DWORD mode = 0;
  return GetConsoleMode(HandleOf(Stream), &mode) != 0;
}

int TerminalWidth(std::FILE* Stream) {
  CONSOLE_SCREEN_BUFFER_INFO info;
  return GetConsoleScreenBufferInfo(HandleOf(Stream), &info) && info.dwSize.X > 0 ? info.dwSize.X : 80;
}

std::string NameForMessage(std::string_view Name) { return FromWide(ToWide(Name, CP_ACP), CP_UTF8); }

}  // namespace Cli
