// The drives on Win32: the drive letters, their types, labels and network names.
#include <windows.h>
#include <winnetwk.h>

#include <algorithm>
#include <cctype>
#include <iterator>

#include "Drives.h"

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

}  // namespace FileCtrl
