// POSIX has no mandatory share modes, so the sharing of the Win32 original is built from advisory locks: the source
// holds a shared lock while it is open, the destination an exclusive one, and a destination is refused (code 32)
// when it is the source's own inode or when any other open file holds a lock on it.

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "platform/FileIO.h"
#include "platform/IoCodes.h"
#include "pmrconv/Errors.h"

namespace pmrconv::platform {

namespace {

bool IsFolder(const std::string& Path) {
  struct stat st;
  return ::stat(Path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string ParentFolder(const std::string& Path) {
  const size_t slash = Path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return Path.substr(0, slash);
}

[[noreturn]] void Raise(int Error, const std::string& Path, bool Writing) {
  throw EInOutError(IoCodeOfErrno(Error, Writing, Error != ENOENT || IsFolder(ParentFolder(Path))));
}

int OpenRetrying(const std::string& Name, int Flags) {
  int fd;
  do {
    fd = ::open(Name.c_str(), Flags | O_CLOEXEC, 0666);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

int LockRetrying(int Fd, int Operation) {
  int rc;
  do {
    rc = ::flock(Fd, Operation | LOCK_NB);
  } while (rc != 0 && errno == EINTR);
  return rc;
}

// Closes Fd and raises the runtime's error for Error.
[[noreturn]] void CloseAndRaise(int Fd, int Error, const std::string& Path, bool Writing) {
  ::close(Fd);
  Raise(Error, Path, Writing);
}

}  // namespace

TFileHandle OpenSource(const std::string& Name) {
  const int fd = OpenRetrying(Name, O_RDONLY);
  if (fd < 0) Raise(errno, Name, false);
  struct stat st;
  if (::fstat(fd, &st) != 0) CloseAndRaise(fd, errno, Name, false);
  if (S_ISDIR(st.st_mode)) CloseAndRaise(fd, EISDIR, Name, false);
  // A file another process is writing may be read by nobody else.
  if (LockRetrying(fd, LOCK_SH) != 0) CloseAndRaise(fd, errno, Name, false);
  return fd;
}

TFileHandle CreateDestination(const std::string& Name, TFileHandle Source) {
  // Opened without truncation: nothing may change before the sharing checks have passed.
  const int fd = OpenRetrying(Name, O_WRONLY | O_CREAT);
  if (fd < 0) Raise(errno, Name, true);
  struct stat dest;
  if (::fstat(fd, &dest) != 0) CloseAndRaise(fd, errno, Name, true);
  struct stat src;
  if (Source != kNoFile && ::fstat(static_cast<int>(Source), &src) == 0 && src.st_dev == dest.st_dev &&
      src.st_ino == dest.st_ino) {
    CloseAndRaise(fd, EWOULDBLOCK, Name, true);
  }
  if (LockRetrying(fd, LOCK_EX) != 0) CloseAndRaise(fd, errno, Name, true);
  if (S_ISREG(dest.st_mode) && ::ftruncate(fd, 0) != 0) CloseAndRaise(fd, errno, Name, true);
  return fd;
}

TFileHandle StandardInput() noexcept { return STDIN_FILENO; }

TFileHandle StandardOutput(TFileHandle Source) {
  struct stat out;
  struct stat src;
  if (Source != kNoFile && ::fstat(STDOUT_FILENO, &out) == 0 && ::fstat(static_cast<int>(Source), &src) == 0 &&
      S_ISREG(out.st_mode) && out.st_dev == src.st_dev && out.st_ino == src.st_ino) {
    Raise(EWOULDBLOCK, {}, true);
  }
  return STDOUT_FILENO;
}

size_t ReadBlock(TFileHandle File, char* Buffer, size_t Size) {
  for (;;) {
    const ssize_t got = ::read(static_cast<int>(File), Buffer, Size);
    if (got >= 0) return static_cast<size_t>(got);
    if (errno != EINTR) Raise(errno, {}, false);
  }
}

uint64_t RemainingBytes(TFileHandle File) noexcept {
  struct stat st;
  if (::fstat(static_cast<int>(File), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
  const off_t at = ::lseek(static_cast<int>(File), 0, SEEK_CUR);
  if (at < 0 || at >= st.st_size) return 0;
  return static_cast<uint64_t>(st.st_size - at);
}

void WriteBlock(TFileHandle File, const char* Data, size_t Size) {
  while (Size > 0) {
    const ssize_t put = ::write(static_cast<int>(File), Data, Size);
    if (put < 0) {
      if (errno == EINTR) continue;
      Raise(errno, {}, true);
    }
    if (put == 0) Raise(ENOSPC, {}, true);  // no progress and no error: the medium takes nothing more
    Data += put;
    Size -= static_cast<size_t>(put);
  }
}

void CloseFile(TFileHandle File) {
  // close() releases the descriptor even when it reports an error; it must not be retried.
  if (::close(static_cast<int>(File)) != 0 && errno != EINTR) Raise(errno, {}, true);
}

}  // namespace pmrconv::platform
