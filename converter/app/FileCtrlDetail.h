#pragma once
// What the FileCtrl widgets share: folder reading and their pictures. Every failure of reading raises the
// converter's file error, so the user sees the same texts as for a failed conversion.

#include <string>
#include <string_view>
#include <vector>

#include <QIcon>

namespace FileCtrl::detail {

// Raises the file error for an errno value.
[[noreturn]] void RaiseFileError(int errnoValue);

// The process's current folder.
std::string CurrentFolder();

// Makes the folder the process's current folder.
void ChangeFolder(const std::string& folder);

// Names of the visible subfolders, sorted; links to folders count as folders.
std::vector<std::string> ReadSubfolders(const std::string& folder);

// Names of the visible regular files that match the mask, sorted.
std::vector<std::string> ReadFiles(const std::string& folder, const std::string& mask);

// Whether the name matches one of the mask's ";"-separated patterns, letter case ignored; "*.*" matches all.
bool MatchesMask(const std::string& name, std::string_view mask);

// The listing order: letter case ignored first, exact bytes only to break ties.
bool NameLess(const std::string& a, const std::string& b);

// One of the pictures under icons/, by file name without ".png".
QIcon Picture(const char* name);

}  // namespace FileCtrl::detail
