#pragma once
// Rules the window and pelmora-convert share, kept in one place so that the two never drift apart.

#include <string>
#include <string_view>

namespace PageRules {

// Where the page of a source file goes: beside it, the last three characters of its name replaced by "htm"
// (letter.rtf gives letter.htm, notes.html gives notes.hhtm). Never more than the file's own name is cut, so a
// short name cannot move the page out of its folder: "d/ab" gives "d/htm". The name starts after the last "/" or
// "\", and on Windows also after a drive's colon ("c:ab" gives "c:htm").
std::string PageNameFor(std::string_view source);

// The file's own name in path: what follows its last "/" or "\" (or, on Windows, a drive's colon).
std::string_view FileNameOf(std::string_view path);

// How an error message is shown: the message, and "." after it when its last byte sorts after "." (so "Ende."
// and "Maximum (3)" stay as they are, "I/O-Fehler 32" becomes "I/O-Fehler 32.").
std::string MessageWithPeriod(std::string_view message);

}  // namespace PageRules
