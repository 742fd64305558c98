// Windows programs get their wildcards unexpanded and expand them themselves; FindFirstFileA does the matching as
// the system's own tools do (so "*.rtf" also matches the short names Windows gives long ones).

#include <windows.h>

#include <algorithm>

#include "FileSystem.h"
#include "pmrconv.h"

namespace Cli {

namespace {

[[noreturn]] void RaiseLastError() {
  const DWORD error = GetLastError();
  throw pmrconv::EInOutError(error == ERROR_FILE_NOT_FOUND ? pmrconv::io::kPathNotFound : static_cast<int>(error));
}

// A search handle of FindFirstFileA, closed by FindClose.
class TFind {
public:
  TFind(const std::string& Pattern, WIN32_FIND_DATAA& Data) : FHandle(FindFirstFileA(Pattern.c_str(), &Data)) {}
  ~TFind() {
    if (Found()) FindClose(FHandle);
  }
  TFind(const TFind&) = delete;
  TFind& operator=(const TFind&) = delete;
  bool Found() const { return FHandle != INVALID_HANDLE_VALUE; }
  bool Next(WIN32_FIND_DATAA& Data) { return FindNextFileA(FHandle, &Data); }

private:
  HANDLE FHandle;
};

bool IsDotName(const char* Name) { return std::string_view(Name) == "." || std::string_view(Name) == ".."; }

// Reparse points (symbolic links, junctions) are never walked into.
bool IsRealFolder(const WIN32_FIND_DATAA& Data) {
  return (Data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !(Data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool LessIgnoringCase(const std::string& A, const std::string& B) {
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, A.c_str(), -1, B.c_str(), -1) == CSTR_LESS_THAN;
}

}  // namespace

std::vector<TFolderEntry> ListFolder(const std::string& Path) {
  WIN32_FIND_DATAA data;
  TFind find(Path + "\\*", data);
  if (!find.Found()) RaiseLastError();
  std::vector<TFolderEntry> entries;
  do {
    if (IsDotName(data.cFileName)) continue;
    entries.push_back({data.cFileName, IsRealFolder(data), !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)});
  } while (find.Next(data));
  if (GetLastError() != ERROR_NO_MORE_FILES) RaiseLastError();
  return entries;
}

bool IsFolder(const std::string& Path) {
  const DWORD attributes = GetFileAttributesA(Path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void MakeFolder(const std::string& Path) {
  if (!CreateDirectoryA(Path.c_str(), nullptr) && !(GetLastError() == ERROR_ALREADY_EXISTS && IsFolder(Path)))
    RaiseLastError();
}

std::vector<std::string> ExpandSourceArgument(const std::string& Argument) {
  const size_t nameStart = Argument.find_last_of("\\/:") + 1;  // npos + 1 is 0
  if (Argument.find_first_of("*?", nameStart) == std::string::npos) return {Argument};
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  TFind find(Argument, data);
  if (find.Found()) {
    do {
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
    } while (find.Next(data));
  }
  if (names.empty()) return {Argument};
  std::sort(names.begin(), names.end(), LessIgnoringCase);
  for (std::string& name : names) name.insert(0, Argument, 0, nameStart);
  return names;
}

}  // namespace Cli
