#pragma once
// The converter's file layer: the few raw operations it needs, with one implementation per platform chosen at
// build time (FileIOPosix.cpp, FileIOWin32.cpp). The core never calls the operating system itself.
//
// What an implementation must guarantee. OpenSource opens an existing file for reading so that other readers may
// open it as well and writers may not (on Win32: CreateFileA with GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING).
// CreateDestination creates the file or truncates an existing one for writing with the same sharing, and must
// refuse, before anything is created or truncated, a file that is Source itself (whatever path or link names it)
// or that another handle has open for reading or writing, with error code 32 (on Win32 CreateFileA with
// GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS does all of this; Source may be ignored there). ReadBlock reads up
// to Size bytes and returns 0 only at the end of the file. WriteBlock writes all Size bytes or raises. CloseFile
// releases the handle in every case and raises if the system reports a failure (pending data that could not be
// written). Every failure raises EInOutError with the runtime's code: 2 file not found, 3 path not found or invalid
// name, 4 too many open files, 5 access denied (also a read-only medium, or a folder given as a file), 32 sharing
// violation, 101 disk full; any other system error with its own number (message "I/O-Fehler N").

#include <cstddef>
#include <cstdint>
#include <string>

namespace pmrconv::platform {

// An open file: a file descriptor on POSIX, a HANDLE on Win32.
using TFileHandle = std::intptr_t;
inline constexpr TFileHandle kNoFile = -1;

// Opens an existing file for reading; other readers are allowed, writers are not. Raises EInOutError.
TFileHandle OpenSource(const std::string& Name);

// Creates or truncates Name for writing; other readers are allowed, writers are not. Refuses Source itself and a
// file another handle has open with code 32, leaving it untouched. Raises EInOutError.
TFileHandle CreateDestination(const std::string& Name, TFileHandle Source);

// The process's standard input, to read a document from. The caller must not close it. Never raises.
TFileHandle StandardInput() noexcept;

// The process's standard output, to write a page to. The caller must not close it. Refuses, with code 32, an output
// that is the file Source itself: the page would be appended to the document still being read, and the reading
// would never end.
TFileHandle StandardOutput(TFileHandle Source);

// Reads up to Size bytes into Buffer; 0 at the end of the file. Raises EInOutError.
size_t ReadBlock(TFileHandle File, char* Buffer, size_t Size);

// Bytes between the read position of File and its end; 0 when that cannot be told (a pipe). Never raises.
uint64_t RemainingBytes(TFileHandle File) noexcept;

// Writes all Size bytes of Data. Raises EInOutError (101 when the disk is full).
void WriteBlock(TFileHandle File, const char* Data, size_t Size);

// Releases File; raises EInOutError afterwards if the system reports a failure.
void CloseFile(TFileHandle File);

}  // namespace pmrconv::platform
