#pragma once
// The group reader: walks the RTF text, one group per level of nesting, and sends its HTML to EmitHtml.

#include <cstddef>

#include "pmrconv/LineSource.h"
#include "pmrconv/WorkingLine.h"

namespace pmrconv {

// Reads from the working line on until the "}" that ends the current group or the end of the input (the top-level
// call: the whole document). Nested groups get their own format and tag stack; the nesting is kept on the heap, so
// any depth is safe. Returning at the end of the input it leaves the working line empty, so nothing is read twice.
void ReadGroup(TLineSource& Source, TWorkingLine& Line);

}  // namespace pmrconv
