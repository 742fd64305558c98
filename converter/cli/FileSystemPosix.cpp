#include <dirent.h>
#include <errno.h>
#include <sys/stat.h>

#include <memory>

#include "FileSystem.h"
#include "pmrconv.h"

namespace Cli {

namespace {

// The runtime's code for a failing folder operation.
[[noreturn]] void Raise(int Error) {
  switch (Error) {
    case ENOENT:
    case ENOTDIR: throw pmrconv::EInOutError(pmrconv::io::kPathNotFound);
    case EACCES:
    case EPERM:
    case EROFS: throw pmrconv::EInOutError(pmrconv::io::kAccessDenied);
    case EMFILE:
    case ENFILE: throw pmrconv::EInOutError(pmrconv::io::kTooManyOpenFiles);
    case ENOSPC: throw pmrconv::EInOutError(pmrconv::io::kDiskFull);
    default: throw pmrconv::EInOutError(Error);
  }
}

struct TCloseDir {
  void operator()(DIR* Dir) const noexcept { ::closedir(Dir); }
};

}  // namespace

std::vector<TFolderEntry> ListFolder(const std::string& Path) {
  const std::unique_ptr<DIR, TCloseDir> dir(::opendir(Path.c_str()));
  if (!dir) Raise(errno);
  std::vector<TFolderEntry> entries;
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(dir.get());
    if (!entry) break;
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    const std::string path = Path + "/" + name;
    struct stat st;
    const bool folder = ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    const bool file = ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    entries.push_back({name, folder, file});
  }
  if (errno != 0) Raise(errno);
  return entries;
}

bool IsFolder(const std::string& Path) {
  struct stat st;
  return ::stat(Path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void MakeFolder(const std::string& Path) {
  if (::mkdir(Path.c_str(), 0777) == 0) return;
  const int error = errno;
  if (error != EEXIST) Raise(error);
  if (!IsFolder(Path)) Raise(ENOTDIR);  // a file of that name is in the way
}

std::vector<std::string> ExpandSourceArgument(const std::string& Argument) { return {Argument}; }

}  // namespace Cli
