// The folder-backed registry and the posix_spawn launcher (see PosixPlatform.h).

#include "PosixPlatform.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "ProgramStart.h"

extern char** environ;

namespace uVoUnInstaller {

namespace {

bool IsSafeName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos;
}

class TFolderRegistry final : public TRegistry {
public:
  explicit TFolderRegistry(std::filesystem::path root) : FRoot(std::move(root)) {}

  bool OpenKey(const std::string& path) override {
    std::filesystem::path folder = FRoot;
    std::string_view rest = path;
    for (;;) {
      const std::size_t cut = rest.find('\\');
      const std::string_view name = rest.substr(0, cut);
      if (!IsSafeName(name)) return false;
      folder /= name;
      if (cut == std::string_view::npos) break;
      rest.remove_prefix(cut + 1);
    }
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) return false;
    FCurrent = std::move(folder);
    return true;
  }

  std::optional<std::size_t> ValueSize(const std::string& name) override {
    const std::optional<std::filesystem::path> file = ValueFile(name);
    if (!file) return std::nullopt;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(*file, error);
    if (error) return std::nullopt;
    return static_cast<std::size_t>(size);
  }

  std::optional<TRegValue> ReadValue(const std::string& name, std::size_t size) override {
    const std::optional<std::filesystem::path> file = ValueFile(name);
    if (!file) return std::nullopt;
    std::ifstream in(*file, std::ios::binary);
    if (!in) return std::nullopt;
    TRegValue value{kRegSz, std::string(size, '\0')};
    in.read(value.Data.data(), static_cast<std::streamsize>(size));
    // Like the registry, data that grew since its size was asked cannot be read.
    if (in.gcount() != static_cast<std::streamsize>(size) || in.peek() != std::char_traits<char>::eof())
      return std::nullopt;
    return value;
  }

private:
  std::optional<std::filesystem::path> ValueFile(const std::string& name) const {
    if (FCurrent.empty() || !IsSafeName(name)) return std::nullopt;
    std::error_code error;
    std::filesystem::path file = FCurrent / name;
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    return file;
  }

  std::filesystem::path FRoot;
  std::filesystem::path FCurrent;
};

class TSpawnLauncher final : public TLauncher {
public:
  TOutcome RunAndWait(char* commandLine) override {
    // CreateProcessA hands the Windows program its command line whole: no item is cut here either.
    std::vector<std::string> items = vouninst::SplitCommandLine(commandLine, std::string::npos);
    if (items.empty()) return TOutcome::kNotStarted;
    std::vector<char*> argv;
    for (std::string& item : items) argv.push_back(item.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return TOutcome::kNotStarted;
    int status = 0;
    for (;;) {
      if (waitpid(pid, &status, 0) == pid) return TOutcome::kEnded;
      if (errno != EINTR) return TOutcome::kWaitFailed;
    }
  }
};

}  // namespace

std::unique_ptr<TRegistry> MakeFolderRegistry(std::filesystem::path root) {
  return std::make_unique<TFolderRegistry>(std::move(root));
}
std::unique_ptr<TLauncher> MakeSpawnLauncher() { return std::make_unique<TSpawnLauncher>(); }

std::unique_ptr<TRegistry> MakeSystemRegistry() { return MakeFolderRegistry(kFolderRegistryRoot); }
std::unique_ptr<TLauncher> MakeSystemLauncher() { return MakeSpawnLauncher(); }

}  // namespace uVoUnInstaller
