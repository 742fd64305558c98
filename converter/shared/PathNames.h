#pragma once
// Path names as this platform spells them, one rule for the window, pelmora-convert and the page title: which
// characters end a folder's name, how a folder and a name are joined, what a file's own name is, where a page goes.

#include <string>
#include <string_view>

namespace PathNames {

// The separator put between a folder and a name.
#ifdef _WIN32
inline constexpr char kSeparator = '\\';
#else
inline constexpr char kSeparator = '/';
#endif

// Whether C separates folders in a path: "/" alone on Linux and macOS, where "\" is an ordinary character of a
// name; "/" and "\" on Windows.
bool IsSeparator(char C);

// The file's own name in Path: what follows its last separator (or, on Windows, a drive's colon).
std::string_view FileNameOf(std::string_view Path);

// Path without its file's own name: empty, or ending in a separator (or a drive's colon).
std::string_view FolderOf(std::string_view Path);

// Folder and Name with one separator between them; an empty Folder gives Name, an empty Name gives Folder.
std::string JoinPath(std::string_view Folder, std::string_view Name);

// Whether two names name the same entry as the file system compares them: exactly, or on Windows with letter case
// ignored and either separator.
bool SameName(std::string_view A, std::string_view B);

// The listing order: letter case ignored first, exact bytes only to break ties.
bool NameLess(const std::string& A, const std::string& B);

// Where the page of a source file goes: beside it, the last three characters of its name replaced by "htm"
// (letter.rtf gives letter.htm, notes.html gives notes.hhtm). Never more than the file's own name is cut, so a
// short name cannot move the page out of its folder: "d/ab" gives "d/htm", and on Windows "c:ab" gives "c:htm".
std::string PageNameFor(std::string_view Source);

}  // namespace PathNames
