#pragma once
// The table reader: turns a run of RTF table rows into a bordered HTML table.

#include "pmrconv/Context.h"
#include "pmrconv/RtfScanner.h"

namespace pmrconv {

// Reads a table; the working line begins right after the \trowd that opened it. The table ends at a second
// paragraph start after a row end, found by looking past the row end. On return the scanner stands where the group
// reader goes on: at the word that began the look-ahead, whose text it reads again exactly as the document has it.
// When the input ends inside the table no "</TABLE>" is written, and the scanner is rewound to the look-ahead's
// first word if one was under way (nothing else is read twice).
void ReadTable(TConversionContext& Context, TRtfScanner& Scanner);

}  // namespace pmrconv
