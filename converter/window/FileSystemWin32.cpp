// The file-system interface on Win32: drive letters, and folders read with FindFirstFileA, where hidden and
// system entries are those with the attributes of those names.
#include <windows.h>
#include <winnetwk.h>

#include <algorithm>
#include <cctype>
#include <iterator>

#include "FileSystem.h"
#include "Handles.h"
#include "platform/IoCodes.h"
#include "pmrconv.h"

namespace FileCtrl {

namespace {

struct TDriveTypeRow {
  UINT System;
  TDriveType Type;
};

constexpr TDriveTypeRow kDriveTypes[] = {{DRIVE_REMOVABLE, TDriveType::Removable},
                                         {DRIVE_FIXED, TDriveType::Fixed},
                                         {DRIVE_REMOTE, TDriveType::Network},
                                         {DRIVE_CDROM, TDriveType::Optical},
                                         {DRIVE_RAMDISK, TDriveType::Ram}};

[[noreturn]] void RaiseLastError() {
  throw pmrconv::EInOutError(pmrconv::platform::IoCodeOfWin32Error(GetLastError()));
}

bool IsShown(const WIN32_FIND_DATAA& entry) {
  return (entry.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

bool IsFolder(const WIN32_FIND_DATAA& entry) {
  return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Calls take(entry) for each entry matching the pattern in the folder; a pattern that matches nothing is no
// error.
template <class Take>
void FindEntries(const std::string& folder, const std::string& pattern, Take take) {
  WIN32_FIND_DATAA entry;
  const HANDLE search = FindFirstFileA(JoinPath(folder, pattern).c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) {
    if (GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_NO_MORE_FILES) return;
    RaiseLastError();
  }
  const Win32::TFind owner(search);
  do {
    take(entry);
  } while (FindNextFileA(search, &entry));
  if (GetLastError() != ERROR_NO_MORE_FILES) RaiseLastError();
}

std::string VolumeLabel(const std::string& root) {
  char label[MAX_PATH + 1] = {};
  if (!GetVolumeInformationA(root.c_str(), label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0))
    return {};
  return label;
}

std::string NetworkName(const std::string& root) {
  const std::string local = root.substr(0, 2);  // "x:"
  char remote[MAX_PATH + 1] = {};
  DWORD size = sizeof remote;
  if (WNetGetConnectionA(local.c_str(), remote, &size) != NO_ERROR) return {};
  return remote;
}

}  // namespace

std::vector<TDrive> SystemDrives() {
  std::vector<TDrive> drives;
  const DWORD present = GetLogicalDrives();
  for (int letter = 0; letter < 26; ++letter) {
    if ((present & (1u << letter)) == 0) continue;
    TDrive drive{std::string(1, static_cast<char>('A' + letter)) + ":\\", TDriveType::Fixed, {}, {}};
    const UINT systemType = GetDriveTypeA(drive.Root.c_str());
    const auto known =
        std::find_if(std::begin(kDriveTypes), std::end(kDriveTypes),
                     [systemType](const TDriveTypeRow& row) { return row.System == systemType; });
    if (known == std::end(kDriveTypes)) continue;  // unknown, or no root folder
    drive.Type = known->Type;
    // A removable drive is not asked for its label: that would wait for, or complain about, a missing medium.
    if (drive.Type == TDriveType::Network) drive.NetworkName = NetworkName(drive.Root);
    if (drive.Type != TDriveType::Removable && drive.NetworkName.empty())
      drive.Label = VolumeLabel(drive.Root);
    drives.push_back(std::move(drive));
  }
  return drives;
}

std::string DriveRootOf(const std::string& folder) {
  // Asking the volume itself, rather than listing every drive, spares a slow look at each drive's label.
  char root[MAX_PATH + 1] = {};
  if (!GetVolumePathNameA(folder.c_str(), root, sizeof root)) return folder.substr(0, 3);
  return root;
}

std::string DriveName(const std::string& root) {
  std::string name = root.substr(0, 2);
  name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
  return name;
}

std::string CurrentFolder() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetCurrentDirectoryA(sizeof path, path);
  if (length == 0 || length > MAX_PATH) RaiseLastError();
  return std::string(path, length);
}

void ChangeFolder(const std::string& folder) {
  if (!SetCurrentDirectoryA(folder.c_str())) RaiseLastError();
}

std::vector<std::string> ReadSubfolders(const std::string& folder) {
  std::vector<std::string> names;
  FindEntries(folder, "*.*", [&names](const WIN32_FIND_DATAA& entry) {
    const std::string name = entry.cFileName;
    if (IsFolder(entry) && IsShown(entry) && name != "." && name != "..") names.push_back(name);
  });
  std::sort(names.begin(), names.end(), NameLess);
  return names;
}

std::vector<std::string> ReadFiles(const std::string& folder, const std::string& mask) {
  std::vector<std::string> names;
  std::string_view rest = mask;
  while (true) {
    const auto end = rest.find(';');
    const std::string pattern(rest.substr(0, end));
    if (!pattern.empty()) {
      FindEntries(folder, pattern, [&names](const WIN32_FIND_DATAA& entry) {
        if (!IsFolder(entry) && IsShown(entry)) names.emplace_back(entry.cFileName);
      });
    }
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  std::sort(names.begin(), names.end(), NameLess);
  names.erase(std::unique(names.begin(), names.end()), names.end());  // a file that matches several patterns
  return names;
}

}  // namespace FileCtrl
