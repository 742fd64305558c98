#pragma once
// The drives the window's drive box offers, and how its folder list finds a folder's drive, with a POSIX and a
// Win32 implementation of what the system tells (DrivesPosix.cpp with MountTable.cpp, DrivesWin32.cpp). Paths are
// the file system's own bytes; the folders themselves are read through the shared FileSystem.

#include <string>
#include <string_view>
#include <vector>

namespace FileCtrl {

enum class TDriveType { Removable, Fixed, Network, Optical, Ram };

struct TDrive {
  std::string Root;  // "C:\" on Windows; the mount point on Linux, e.g. "/" or "/media/usb"
  TDriveType Type = TDriveType::Fixed;
  std::string Label;        // volume label, empty when it has none
  std::string NetworkName;  // what a network drive is connected to, empty for the others
};

// --- implemented once per platform ---

// The drives of this machine now, in the order of their roots; drives of unknown type are left out.
std::vector<TDrive> SystemDrives();

// The root of the drive that holds the folder: "C:\" on Windows, the mount point on Linux.
std::string DriveRootOf(const std::string& folder);

// How an entry of the drive box names the drive: "c:" on Windows, the mount point on Linux.
std::string DriveName(const std::string& root);

// --- the same on every platform ---

// The entry text: the drive's name, then for a fixed, optical or RAM drive " [label]", for a network drive "
// " and its network name (or " [label]" without one) in lower case, for a removable drive nothing more.
std::string DriveCaption(const TDrive& drive);

// Index of the drive that holds the folder (the longest root above it), -1 when none does.
int DriveOf(const std::vector<TDrive>& drives, std::string_view folder);

// Whether the path is the folder or lies below it, by whole names.
bool IsAtOrBelow(std::string_view path, std::string_view folder);

// The names of the folders from below the root down to the folder ("C:\a\b" under "C:\" gives "a", "b").
std::vector<std::string> FoldersBelow(std::string_view root, std::string_view folder);

}  // namespace FileCtrl
