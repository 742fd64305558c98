// The file system on POSIX: hidden entries are those whose names begin with ".".
#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>

#include "FileSystem.h"
#include "PathNames.h"
#include "platform/IoCodes.h"
#include "pmrconv.h"

namespace FileSystem {

namespace {

struct TDirCloser {
  void operator()(DIR* Dir) const noexcept { ::closedir(Dir); }
};

// A folder that cannot be read or made: a missing one is a path not found, as on the original platform.
[[noreturn]] void RaiseFileError(int Error) {
  throw pmrconv::EInOutError(pmrconv::platform::IoCodeOfErrno(Error, false, false));
}

// An entry of a folder that could be read: a vanished one is a file not found.
int EntryError(int Error) { return pmrconv::platform::IoCodeOfErrno(Error, false, true); }

TEntryKind KindOf(mode_t Mode) {
  if (S_ISDIR(Mode)) return TEntryKind::Folder;
  if (S_ISREG(Mode)) return TEntryKind::File;
  return TEntryKind::Other;  // devices, pipes and sockets: reading one could block
}

bool MatchesMask(const char* Name, std::string_view Mask) {
  if (Mask == "*") return true;
  while (true) {
    const auto end = Mask.find(';');
    std::string pattern(Mask.substr(0, end));
    if (pattern == "*.*") pattern = "*";
    if (!pattern.empty() && ::fnmatch(pattern.c_str(), Name, FNM_CASEFOLD) == 0) return true;
    if (end == std::string_view::npos) return false;
    Mask.remove_prefix(end + 1);
  }
}

void InspectPath(const std::string& path, TFolderEntry& Entry) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) {
    Entry.Error = EntryError(errno);
    return;
  }
  Entry.Kind = KindOf(info.st_mode);
  if (!S_ISLNK(info.st_mode)) return;
  Entry.Link = true;
  if (::stat(path.c_str(), &info) != 0) {
    Entry.Kind = TEntryKind::Other;  // a dangling link, or a loop of links
    Entry.Error = EntryError(errno);
    return;
  }
  Entry.Kind = KindOf(info.st_mode);
}

}  // namespace

std::vector<TFolderEntry> ReadFolder(const std::string& Folder, std::string_view Mask) {
  const std::unique_ptr<DIR, TDirCloser> dir(::opendir(Folder.c_str()));
  if (!dir) RaiseFileError(errno);
  std::vector<TFolderEntry> entries;
  for (;;) {
    errno = 0;
    const dirent* found = ::readdir(dir.get());
    if (found == nullptr) {
      if (errno != 0) RaiseFileError(errno);
      break;
    }
    const std::string_view name = found->d_name;
    if (name == "." || name == ".." || !MatchesMask(found->d_name, Mask)) continue;
    TFolderEntry entry;
    entry.Name = name;
    entry.Hidden = name.front() == '.';
    InspectPath(PathNames::JoinPath(Folder, entry.Name), entry);
    entries.push_back(std::move(entry));
  }
  std::sort(entries.begin(), entries.end(),
            [](const TFolderEntry& a, const TFolderEntry& b) { return PathNames::NameLess(a.Name, b.Name); });
  return entries;
}

TFolderEntry Inspect(const std::string& Path) {
  TFolderEntry entry;
  entry.Name = PathNames::FileNameOf(Path);
  InspectPath(Path, entry);
  if (entry.Error == pmrconv::io::kFileNotFound) {
    const std::string folder(PathNames::FolderOf(Path));
    if (!folder.empty() && !IsFolder(folder)) entry.Error = pmrconv::io::kPathNotFound;
  }
  return entry;
}

bool IsFolder(const std::string& Path) {
  struct stat info {};
  return ::stat(Path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void MakeFolder(const std::string& Path) {
  if (::mkdir(Path.c_str(), 0777) == 0) return;
  const int error = errno;
  if (error != EEXIST) RaiseFileError(error);
  if (!IsFolder(Path)) RaiseFileError(ENOTDIR);  // a file of that name is in the way
}

std::string CurrentFolder() {
  const std::unique_ptr<char, decltype(&std::free)> path(::getcwd(nullptr, 0), &std::free);
  if (!path) RaiseFileError(errno);
  return path.get();
}

void ChangeFolder(const std::string& Folder) {
  if (::chdir(Folder.c_str()) != 0) RaiseFileError(errno);
}

std::vector<std::string> ExpandWildcards(const std::string& Argument) { return {Argument}; }

}  // namespace FileSystem
