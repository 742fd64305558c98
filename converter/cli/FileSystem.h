#pragma once
// The few folder operations pelmora-convert needs beyond the converter's own file layer, one implementation per
// platform (FileSystemPosix.cpp, FileSystemWin32.cpp). Names are passed as the system gives them (the ANSI code page
// on Windows). Failures raise pmrconv::EInOutError with the runtime's code.

#include <string>
#include <string_view>
#include <vector>

namespace Cli {

// The separator pelmora-convert puts between a folder and a name it joins.
#ifdef _WIN32
inline constexpr char kSeparator = '\\';
#else
inline constexpr char kSeparator = '/';
#endif

struct TFolderEntry {
  std::string Name;
  bool Folder = false;  // a real folder; a link to a folder is neither followed nor counted as one
  bool File = false;    // a regular file or a link to one; not a pipe or device, whose reading could block
};

// The entries of the folder Path, without "." and "..". Raises EInOutError.
std::vector<TFolderEntry> ListFolder(const std::string& Path);

// Whether Path names an existing folder.
bool IsFolder(const std::string& Path);

// Makes the folder Path where it does not exist yet; its parent must exist. Raises EInOutError.
void MakeFolder(const std::string& Path);

// The names a SOURCE argument stands for. On Windows, where the program gets its wildcards unexpanded, an argument
// with "*" or "?" in its last part gives the files it matches, in name order, each with the argument's folder part;
// an argument matching nothing, or without wildcards, stands for itself (so an error names it). Elsewhere the shell
// has expanded them already.
std::vector<std::string> ExpandSourceArgument(const std::string& Argument);

}  // namespace Cli
