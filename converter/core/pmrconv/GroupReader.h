#pragma once
// The group reader: walks the RTF text, one group per level of nesting, and sends its HTML to the context's output.

#include "pmrconv/Context.h"
#include "pmrconv/RtfScanner.h"

namespace pmrconv {

// Reads from the scanner's position on until the "}" that ends the current group or the end of the input (the
// top-level call: the whole document). Nested groups get their own format and tag stack; the nesting is kept on the
// heap, so any depth is safe.
void ReadGroup(TConversionContext& Context, TRtfScanner& Scanner);

}  // namespace pmrconv
