#pragma once
// The table reader: turns a run of RTF table rows into a bordered HTML table.

#include "pmrconv/LineSource.h"
#include "pmrconv/WorkingLine.h"

namespace pmrconv {

// Reads a table; the working line begins right after the \trowd that opened it. The table ends at a second
// paragraph start after a row end, found by looking past the row end. On return the working line holds the text
// the group reader goes on with from its start: everything from the word that began the look-ahead, exactly as the
// document has it. When the input ends inside the table no "</TABLE>" is written, and the working line holds only
// what the look-ahead read, if one was under way (nothing else is read twice).
void ReadTable(TLineSource& Source, TWorkingLine& Line);

}  // namespace pmrconv
