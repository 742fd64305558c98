// The lookup of the uninstall command and its run, over the platform's registry and launcher.

#include <algorithm>
#include <string_view>
#include <vector>

#include "uVoUnInstaller.h"

namespace uVoUnInstaller {

namespace {

// The two prefixes differ only in the blank of "Current Version"; older setups wrote the second.
constexpr std::string_view kLookupPath1 = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr std::string_view kLookupPath2 = "SOFTWARE\\Microsoft\\Windows\\Current Version\\Uninstall\\";
const std::string kValueName = "UninstallString";

std::string UpToFirstZero(std::string text) {
  text.resize(std::min(text.find('\0'), text.size()));
  return text;
}

}  // namespace

void TVOUninstaller::Uninstall() { UninstallApplication(FApplicationName); }

void TVOUninstaller::UninstallApplication(const std::string& name) {
  if (name.empty()) throw ENoApplicationName();
  // The name is appended unchanged: a backslash in it addresses a deeper key.
  std::optional<std::string> command = ReadUninstallString(std::string(kLookupPath1) + name);
  if (!command) command = ReadUninstallString(std::string(kLookupPath2) + name);
  if (!command) throw EAppNotInstalled();
  RunUninstallCommand(*command);
}

// One lookup attempt: nullopt when it fails, otherwise the command, which may be empty.
std::optional<std::string> TVOUninstaller::ReadUninstallString(const std::string& keyPath) {
  if (!FRegistry.OpenKey(keyPath)) return std::nullopt;
  // The size is asked first: a missing, unmeasurable or empty value is an empty command,
  // whatever its type.
  const std::optional<std::size_t> size = FRegistry.ValueSize(kValueName);
  if (!size || *size == 0) return std::string();
  std::optional<TRegValue> value = FRegistry.ReadValue(kValueName, *size);
  if (!value || (value->Type != kRegSz && value->Type != kRegExpandSz)) return std::nullopt;
  // Taken as stored: environment references of REG_EXPAND_SZ stay unexpanded.
  return UpToFirstZero(std::move(value->Data));
}

void TVOUninstaller::RunUninstallCommand(const std::string& command) {
  // The buffer is sized to the command, so a command longer than 511 characters runs whole
  // instead of being cut to a different command.
  const std::string text = UpToFirstZero(command);
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back('\0');
  if (FLauncher.RunAndWait(buffer.data()) != TLauncher::TOutcome::kEnded) throw ECouldNotUnInstallException();
}

}  // namespace uVoUnInstaller
