#pragma once
// Skipping a destination group that carries no visible text, \bin data included. Used by the scanner alone.

#include <cstddef>

#include "pmrconv/LineSource.h"
#include "pmrconv/WorkingLine.h"

namespace pmrconv {

// Skips the rest of the group a destination word stands in; the working line begins right after that word (or the
// star). Afterwards the working line begins with the group's closing "}", for the caller to read; when the input
// ends inside the group, nothing of it is left except a closing "}" that ends the last line.
void SkipToGroupEnd(TLineSource& Source, TWorkingLine& Line);

// The same scan without cutting the working line: joins further input lines as needed and returns the position of
// the group's closing "}", or the line's length when the input ended inside the group.
size_t FindGroupEnd(TLineSource& Source, TWorkingLine& Line, size_t From);

}  // namespace pmrconv
