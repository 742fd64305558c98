// Win32 has the sharing the converter needs built in: both files are opened with FILE_SHARE_READ, so other readers
// may open them and writers may not, and a destination that is the open source itself (under any path or hard link)
// is refused by the system with ERROR_SHARING_VIOLATION before CREATE_ALWAYS truncates anything.

#include <windows.h>

#include <string>

#include "platform/FileIO.h"
#include "platform/IoCodes.h"
#include "pmrconv/Errors.h"

namespace pmrconv::platform {

namespace {

[[noreturn]] void RaiseLastError() { throw EInOutError(IoCodeOfWin32Error(GetLastError())); }

// kNoFile (-1) is INVALID_HANDLE_VALUE, which no successful open returns.
HANDLE AsHandle(TFileHandle File) { return reinterpret_cast<HANDLE>(File); }

TFileHandle Open(const std::string& Name, DWORD Access, DWORD Disposition) {
  const HANDLE handle =
      CreateFileA(Name.c_str(), Access, FILE_SHARE_READ, nullptr, Disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) RaiseLastError();
  return reinterpret_cast<TFileHandle>(handle);
}

// One call of ReadFile or WriteFile moves at most this much, well inside a DWORD.
constexpr size_t kMaxTransfer = 1u << 30;

}  // namespace

TFileHandle OpenSource(const std::string& Name) { return Open(Name, GENERIC_READ, OPEN_EXISTING); }

TFileHandle CreateDestination(const std::string& Name, TFileHandle /*Source*/) {
  return Open(Name, GENERIC_WRITE, CREATE_ALWAYS);
}

TFileHandle StandardInput() noexcept { return reinterpret_cast<TFileHandle>(GetStdHandle(STD_INPUT_HANDLE)); }

TFileHandle StandardOutput(TFileHandle Source) {
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  BY_HANDLE_FILE_INFORMATION outInfo;
  BY_HANDLE_FILE_INFORMATION srcInfo;
  if (Source != kNoFile && GetFileType(out) == FILE_TYPE_DISK && GetFileType(AsHandle(Source)) == FILE_TYPE_DISK &&
      GetFileInformationByHandle(out, &outInfo) && GetFileInformationByHandle(AsHandle(Source), &srcInfo) &&
      outInfo.dwVolumeSerialNumber == srcInfo.dwVolumeSerialNumber &&
      outInfo.nFileIndexHigh == srcInfo.nFileIndexHigh && outInfo.nFileIndexLow == srcInfo.nFileIndexLow) {
    throw EInOutError(io::kSharingViolation);
  }
  return reinterpret_cast<TFileHandle>(out);
}

size_t ReadBlock(TFileHandle File, char* Buffer, size_t Size) {
  DWORD got = 0;
  if (!ReadFile(AsHandle(File), Buffer, static_cast<DWORD>(Size < kMaxTransfer ? Size : kMaxTransfer), &got, nullptr)) {
    // A pipe whose writer has gone has simply ended.
    if (GetLastError() == ERROR_BROKEN_PIPE) return 0;
    RaiseLastError();
  }
  return got;
}

uint64_t RemainingBytes(TFileHandle File) noexcept {
  LARGE_INTEGER size;
  LARGE_INTEGER at;
  LARGE_INTEGER zero{};
  if (GetFileType(AsHandle(File)) != FILE_TYPE_DISK || !GetFileSizeEx(AsHandle(File), &size) ||
      !SetFilePointerEx(AsHandle(File), zero, &at, FILE_CURRENT) || at.QuadPart >= size.QuadPart) {
    return 0;
  }
  return static_cast<uint64_t>(size.QuadPart - at.QuadPart);
}

void WriteBlock(TFileHandle File, const char* Data, size_t Size) {
  while (Size > 0) {
    DWORD put = 0;
    if (!WriteFile(AsHandle(File), Data, static_cast<DWORD>(Size < kMaxTransfer ? Size : kMaxTransfer), &put, nullptr))
      RaiseLastError();
    if (put == 0) throw EInOutError(io::kDiskFull);  // no progress and no error: the medium takes nothing more
    Data += put;
    Size -= put;
  }
}

void CloseFile(TFileHandle File) {
  if (!CloseHandle(AsHandle(File))) RaiseLastError();
}

}  // namespace pmrconv::platform
