// vouninst for Windows: a program of the graphical subsystem, so no console opens for it.

#include <windows.h>

#include <cstdint>
#include <string>

#include "ProgramStart.h"
#include "uVoUnInstaller.h"

namespace {

std::string ModulePath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    // A full buffer means the name may have been cut: retry with a larger one.
    if (length < path.size() || path.size() >= 32768) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

void ShowReport(const std::string& text) {
  MessageBoxA(nullptr, text.c_str(), "Application Error", MB_TASKMODAL | MB_ICONSTOP | MB_OK);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const auto image = reinterpret_cast<std::uintptr_t>(GetModuleHandleA(nullptr));
  const auto entry = reinterpret_cast<std::uintptr_t>(&vouninst::RunProgram);
  const vouninst::TErrorReporter reporter{vouninst::FileNameWithoutFolder(ModulePath()),
                                          static_cast<std::uint32_t>(entry - image), ShowReport};
  // Registry access lives until the program ends, so the key found stays open while the
  // command runs.
  const auto registry = uVoUnInstaller::MakeSystemRegistry();
  const auto launcher = uVoUnInstaller::MakeSystemLauncher();
  uVoUnInstaller::TVOUninstaller uninstaller(*registry, *launcher);
  return vouninst::RunProgram(vouninst::SplitCommandLine(GetCommandLineA()), uninstaller, reporter);
}
