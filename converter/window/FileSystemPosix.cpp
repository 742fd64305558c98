// The file-system interface on POSIX: hidden entries are those whose names begin with ".", system entries
// those that are neither folders nor regular files.
#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "FileSystem.h"
#include "platform/IoCodes.h"
#include "pmrconv.h"

namespace FileCtrl {

namespace {

enum class TEntryKind { Folder, File, Other };

struct TDirCloser {
  void operator()(DIR* dir) const noexcept { closedir(dir); }
};

// Hidden entries on Linux are those whose names begin with "."; this also drops "." and "..".
bool IsHidden(const char* name) {
  return name[0] == '.';
}

// A folder that cannot be read: a missing one is a path not found, as on the original platform.
[[noreturn]] void RaiseFileError(int error) {
  throw pmrconv::EInOutError(pmrconv::platform::IoCodeOfErrno(error, false, false));
}

TEntryKind KindOf(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return TEntryKind::Other;  // a dangling link
  if (S_ISDIR(info.st_mode)) return TEntryKind::Folder;
  if (S_ISREG(info.st_mode)) return TEntryKind::File;
  return TEntryKind::Other;  // devices, pipes and sockets: reading one could block the window
}

// Whether the name matches one of the mask's ";"-separated patterns, letter case ignored; "*.*" matches all.
bool MatchesMask(const std::string& name, std::string_view mask) {
  while (true) {
    const auto end = mask.find(';');
    std::string pattern(mask.substr(0, end));
    if (pattern == "*.*") pattern = "*";
    if (!pattern.empty() && fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0) return true;
    if (end == std::string_view::npos) return false;
    mask.remove_prefix(end + 1);
  }
}

template <class Keep>
std::vector<std::string> ReadEntries(const std::string& folder, Keep keep) {
  std::unique_ptr<DIR, TDirCloser> dir(opendir(folder.c_str()));
  if (!dir) RaiseFileError(errno);
  std::vector<std::string> names;
  for (;;) {
    errno = 0;
    const dirent* entry = readdir(dir.get());
    if (entry == nullptr) {
      if (errno != 0) RaiseFileError(errno);
      break;
    }
    if (IsHidden(entry->d_name)) continue;
    std::string name(entry->d_name);
    if (keep(name, KindOf(JoinPath(folder, name)))) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), NameLess);
  return names;
}

}  // namespace

std::string CurrentFolder() {
  std::unique_ptr<char, decltype(&std::free)> path(getcwd(nullptr, 0), &std::free);
  if (!path) RaiseFileError(errno);
  return path.get();
}

void ChangeFolder(const std::string& folder) {
  if (chdir(folder.c_str()) != 0) RaiseFileError(errno);
}

std::vector<std::string> ReadSubfolders(const std::string& folder) {
  return ReadEntries(folder, [](const std::string&, TEntryKind kind) { return kind == TEntryKind::Folder; });
}

std::vector<std::string> ReadFiles(const std::string& folder, const std::string& mask) {
  return ReadEntries(folder, [&mask](const std::string& name, TEntryKind kind) {
    return kind == TEntryKind::File && MatchesMask(name, mask);
  });
}

std::string DriveRootOf(const std::string& folder) {
  const std::vector<TDrive> drives = SystemDrives();
  const int drive = DriveOf(drives, folder);
  return drive < 0 ? "/" : drives[static_cast<std::size_t>(drive)].Root;
}

std::string DriveName(const std::string& root) {
  return root;
}

}  // namespace FileCtrl
