// The final error report and the program's run between runtime start-up and exit.

#include <cstdio>
#include <exception>

#include "ProgramStart.h"

namespace vouninst {

std::string FileNameWithoutFolder(std::string_view path) {
  const std::size_t cut = path.find_last_of("\\/:");
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string FormatErrorReport(std::string_view className, std::string_view moduleName, std::uint32_t codeAddress,
                              std::string_view message) {
  char address[9];
  std::snprintf(address, sizeof address, "%08X", static_cast<unsigned>(codeAddress));
  std::string text = "Exception ";
  text.append(className).append(" in module ").append(moduleName).append(" at ").append(address).append(".\n");
  text.append(message);
  if (!message.empty() && message.back() != '.') text += '.';
  return text;
}

int RunProgram(const std::vector<std::string>& items, uVoUnInstaller::TVOUninstaller& uninstaller,
               const TErrorReporter& reporter) {
  // Nothing else catches: every error ends here, reported, with exit code 1.
  try {
    try {
      if (items.size() >= 2) {
        uninstaller.SetApplicationName(items[1]);
        uninstaller.Uninstall();
      }
      return 0;
    } catch (const rtl::Exception& e) {
      reporter.Show(FormatErrorReport(e.ClassName(), reporter.ModuleName, reporter.CodeAddress, e.Message()));
    } catch (const std::exception& e) {
      reporter.Show(FormatErrorReport("Exception", reporter.ModuleName, reporter.CodeAddress, e.what()));
    }
  } catch (...) {
    // The report itself failed (out of memory); the exit code still tells the failure.
  }
  return 1;
}

}  // namespace vouninst
