// The file system on Win32, read with FindFirstFileA, which matches patterns as the system's own tools do (so
// "*.rtf" also matches the short names Windows gives long ones). Hidden entries are those with the hidden or the
// system attribute; reparse points (symbolic links, junctions) count as links.
#include <windows.h>

#include <algorithm>

#include "FileSystem.h"
#include "PathNames.h"
#include "platform/IoCodes.h"
#include "pmrconv.h"

namespace FileSystem {

namespace {

[[noreturn]] void RaiseLastError() {
  throw pmrconv::EInOutError(pmrconv::platform::IoCodeOfWin32Error(GetLastError()));
}

// A search of FindFirstFileA, closed by FindClose.
class TFind {
public:
  TFind(const std::string& Pattern, WIN32_FIND_DATAA& Data) : FHandle(FindFirstFileA(Pattern.c_str(), &Data)) {}
  ~TFind() {
    if (Found()) FindClose(FHandle);
  }
  TFind(const TFind&) = delete;
  TFind& operator=(const TFind&) = delete;
  bool Found() const { return FHandle != INVALID_HANDLE_VALUE; }
  bool Next(WIN32_FIND_DATAA& Data) { return FindNextFileA(FHandle, &Data) != 0; }

private:
  HANDLE FHandle;
};

bool IsDirectory(const WIN32_FIND_DATAA& Data) { return (Data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

// Calls Take(Data) for each entry matching Pattern in Folder; a pattern that matches nothing is no error.
template <class TTake>
void FindEntries(const std::string& Folder, const std::string& Pattern, TTake Take) {
  WIN32_FIND_DATAA data;
  TFind find(PathNames::JoinPath(Folder, Pattern), data);
  if (!find.Found()) {
    if (GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_NO_MORE_FILES) return;
    RaiseLastError();
  }
  do {
    Take(data);
  } while (find.Next(data));
  if (GetLastError() != ERROR_NO_MORE_FILES) RaiseLastError();
}

TFolderEntry EntryOf(const WIN32_FIND_DATAA& Data) {
  TFolderEntry entry;
  entry.Name = Data.cFileName;
  entry.Kind = IsDirectory(Data) ? TEntryKind::Folder : TEntryKind::File;
  entry.Link = (Data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  entry.Hidden = (Data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
  return entry;
}

}  // namespace

std::vector<TFolderEntry> ReadFolder(const std::string& Folder, std::string_view Mask) {
  std::vector<TFolderEntry> entries;
  while (true) {
    const auto end = Mask.find(';');
    const std::string pattern(Mask.substr(0, end));
    if (!pattern.empty()) {
      FindEntries(Folder, pattern, [&entries](const WIN32_FIND_DATAA& data) {
        const std::string_view name = data.cFileName;
        if (name != "." && name != "..") entries.push_back(EntryOf(data));
      });
    }
    if (end == std::string_view::npos) break;
    Mask.remove_prefix(end + 1);
  }
  std::sort(entries.begin(), entries.end(),
            [](const TFolderEntry& a, const TFolderEntry& b) { return PathNames::NameLess(a.Name, b.Name); });
  // An entry that matches several patterns is listed once.
  entries.erase(std::unique(entries.begin(), entries.end(),
                            [](const TFolderEntry& a, const TFolderEntry& b) { return a.Name == b.Name; }),
                entries.end());
  return entries;
}

TFolderEntry Inspect(const std::string& Path) {
  TFolderEntry entry;
  entry.Name = PathNames::FileNameOf(Path);
  const DWORD attributes = GetFileAttributesA(Path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    entry.Error = pmrconv::platform::IoCodeOfWin32Error(GetLastError());
    return entry;
  }
  entry.Kind = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? TEntryKind::Folder : TEntryKind::File;
  entry.Link = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  entry.Hidden = (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
  return entry;
}

bool IsFolder(const std::string& Path) {
  const DWORD attributes = GetFileAttributesA(Path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void MakeFolder(const std::string& Path) {
  if (!CreateDirectoryA(Path.c_str(), nullptr) && !(GetLastError() == ERROR_ALREADY_EXISTS && IsFolder(Path)))
    RaiseLastError();
}

std::string CurrentFolder() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetCurrentDirectoryA(sizeof path, path);
  if (length == 0 || length > MAX_PATH) RaiseLastError();
  return std::string(path, length);
}

void ChangeFolder(const std::string& Folder) {
  if (!SetCurrentDirectoryA(Folder.c_str())) RaiseLastError();
}

std::vector<std::string> ExpandWildcards(const std::string& Argument) {
  const std::string_view folder = PathNames::FolderOf(Argument);
  if (Argument.find_first_of("*?", folder.size()) == std::string::npos) return {Argument};
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  TFind find(Argument, data);
  if (find.Found()) {
    do {
      if (!IsDirectory(data)) names.push_back(data.cFileName);
    } while (find.Next(data));
  }
  if (names.empty()) return {Argument};
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_LESS_THAN;
  });
  for (std::string& name : names) name.insert(0, folder);
  return names;
}

}  // namespace FileSystem
