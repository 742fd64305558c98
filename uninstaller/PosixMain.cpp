// vouninst for Linux, over the stand-ins of PosixPlatform.h: the final error report goes to
// standard error.

#include <dlfcn.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "ProgramStart.h"
#include "uVoUnInstaller.h"

namespace {

void ShowReport(const std::string& text) { std::fprintf(stderr, "Application Error\n%s\n", text.c_str()); }

std::uint32_t CodeAddress() {
  Dl_info info{};
  const auto entry = reinterpret_cast<std::uintptr_t>(&vouninst::RunProgram);
  if (dladdr(reinterpret_cast<void*>(entry), &info) == 0) return 0;
  return static_cast<std::uint32_t>(entry - reinterpret_cast<std::uintptr_t>(info.dli_fbase));
}

}  // namespace

int main(int argc, char** argv) {
  const vouninst::TErrorReporter reporter{vouninst::FileNameWithoutFolder(argc > 0 ? argv[0] : "vouninst"),
                                          CodeAddress(), ShowReport};
  const auto registry = uVoUnInstaller::MakeSystemRegistry();
  const auto launcher = uVoUnInstaller::MakeSystemLauncher();
  uVoUnInstaller::TVOUninstaller uninstaller(*registry, *launcher);
  return vouninst::RunProgram(vouninst::ItemsOfArguments(argc, argv), uninstaller, reporter);
}
