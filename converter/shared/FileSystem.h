#pragma once
// The file system as the window and pelmora-convert read it: one folder reader and the few folder operations,
// with one implementation per platform (FileSystemPosix.cpp, FileSystemWin32.cpp). Names are the file system's own
// bytes (the ANSI code page on Windows). Every failure raises the converter's file error with the runtime's code
// (platform/IoCodes.h), so the user reads the same texts as for a failed conversion.

#include <string>
#include <string_view>
#include <vector>

namespace FileSystem {

// What an entry is, links followed: a folder, a regular file, something else (a pipe, a device, a socket, a
// dangling link) or, when it could not be inspected, unknown.
enum class TEntryKind { Folder, File, Other, Unknown };

struct TFolderEntry {
  std::string Name;
  TEntryKind Kind = TEntryKind::Unknown;
  bool Link = false;    // a symbolic link (a reparse point on Windows)
  bool Hidden = false;  // a name starting with "." on POSIX; the hidden or system attribute on Windows
  int Error = 0;        // the runtime's code when the entry could not be inspected (Kind is then Unknown or Other)
};

// The entries of Folder whose names match one of Mask's ";"-separated patterns (letter case ignored, "*.*" and "*"
// match every name), without "." and "..", sorted by PathNames::NameLess. Raises EInOutError when the folder
// cannot be read.
std::vector<TFolderEntry> ReadFolder(const std::string& Folder, std::string_view Mask = "*");

// What Path is, as ReadFolder tells it of an entry, without following a last link: its Kind is then that of the
// link's target. A missing Path is Unknown with the error code 2 (file not found) or 3 (path not found).
TFolderEntry Inspect(const std::string& Path);

// Whether Path names an existing folder (links followed).
bool IsFolder(const std::string& Path);

// Makes the folder Path where it does not exist yet; its parent must exist. Raises EInOutError.
void MakeFolder(const std::string& Path);

// The process's current folder. Raises EInOutError.
std::string CurrentFolder();

// Makes Folder the process's current folder. Raises EInOutError.
void ChangeFolder(const std::string& Folder);

// The names a SOURCE argument stands for. On Windows, where programs get their wildcards unexpanded, an argument
// with "*" or "?" in its last part gives the files it matches, in name order, each with the argument's folder
// part; an argument matching nothing, or without wildcards, stands for itself (so an error names it). Elsewhere the
// shell has expanded them already.
std::vector<std::string> ExpandWildcards(const std::string& Argument);

}  // namespace FileSystem
