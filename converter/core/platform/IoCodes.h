#pragma once
// The runtime's file-error codes for the operating system's error numbers. The converter's file layer and the
// window's folder reading both map through here, so the same fault always reads the same to the user.

#include "pmrconv/Errors.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#endif

namespace pmrconv::platform {

#ifdef _WIN32

// The runtime's code for a Win32 error. Most codes are the system's own; a few system codes name the same
// fault as one of the runtime's messages.
inline int IoCodeOfWin32Error(DWORD Error) {
  switch (Error) {
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
      return io::kPathNotFound;
    case ERROR_WRITE_PROTECT:
      return io::kAccessDenied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return io::kDiskFull;
    default:
      return static_cast<int>(Error);
  }
}

#else

// The runtime's code for an errno value. ENOENT is "file not found" when the folder that should hold the
// entry exists and "path not found" when it does not; the caller tells which. Read and write faults of the
// device and a missing medium get the Win32 codes of those faults, so that they are not mistaken for code 5
// (access denied), which EIO shares its number with.
inline int IoCodeOfErrno(int Error, bool Writing, bool FolderExists) {
  switch (Error) {
    case ENOENT:
      return FolderExists ? io::kFileNotFound : io::kPathNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return io::kPathNotFound;
    case EMFILE:
    case ENFILE:
      return io::kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return io::kAccessDenied;
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return io::kDiskFull;
    case EWOULDBLOCK:
    case ETXTBSY:
      return io::kSharingViolation;
#ifdef ENOMEDIUM
    case ENOMEDIUM:
      return 21;  // "device not ready"
#endif
    case EIO:
      return Writing ? 29 : 30;
    case EPIPE:
      return 109;
    default:
      return Error;
  }
}

#endif

}  // namespace pmrconv::platform
