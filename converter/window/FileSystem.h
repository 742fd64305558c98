#pragma once
// What the window's drive box, folder list and file list read from the file system, behind one interface with
// a POSIX and a Win32 implementation (FileSystemPosix.cpp, FileSystemWin32.cpp). Paths are the file system's
// own bytes. Every failure raises the converter's file error, so the user reads the same texts as for a
// failed conversion.

#include <string>
#include <string_view>
#include <vector>

namespace FileCtrl {

#ifdef _WIN32
inline constexpr char kPathDelimiter = '\\';
#else
inline constexpr char kPathDelimiter = '/';
#endif

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

// The process's current folder.
std::string CurrentFolder();

// Makes the folder the process's current folder.
void ChangeFolder(const std::string& folder);

// Names of the folder's subfolders without hidden and system ones, sorted (NameLess).
std::vector<std::string> ReadSubfolders(const std::string& folder);

// Names of the folder's files that match the mask, without folders, hidden and system files, sorted
// (NameLess). The mask holds patterns separated by ";"; "*.*" stands for every file.
std::vector<std::string> ReadFiles(const std::string& folder, const std::string& mask);

// --- the same on every platform ---

// The entry text: the drive's name, then for a fixed, optical or RAM drive " [label]", for a network drive "
// " and its network name (or " [label]" without one) in lower case, for a removable drive nothing more.
std::string DriveCaption(const TDrive& drive);

// Index of the drive that holds the folder (the longest root above it), -1 when none does.
int DriveOf(const std::vector<TDrive>& drives, std::string_view folder);

// Whether the path is the folder or lies below it, by whole names.
bool IsAtOrBelow(std::string_view path, std::string_view folder);

// The folder with a name appended, with one path delimiter between them.
std::string JoinPath(std::string_view folder, std::string_view name);

// The names of the folders from below the root down to the folder ("C:\a\b" under "C:\" gives "a", "b").
std::vector<std::string> FoldersBelow(std::string_view root, std::string_view folder);

// The listing order: letter case ignored first, exact bytes only to break ties.
bool NameLess(const std::string& a, const std::string& b);

}  // namespace FileCtrl
