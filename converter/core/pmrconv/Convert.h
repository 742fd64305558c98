#pragma once
// The conversion driver between an open input and an open output.

#include <string>

#include "pmrconv.h"
#include "pmrconv/Context.h"
#include "pmrconv/HtmlOutput.h"
#include "pmrconv/LineSource.h"

namespace pmrconv {

// Writes the page head, reads the whole document through the group reader, and then always writes the pending line
// buffer and the page tail and flushes Sink, also when reading failed. The first error raised, by reading or by
// writing, propagates afterwards. Context keeps its font table; everything else in it is the conversion's own.
void ConvertStream(TConversionContext& Context, TLineSource& Source, TPageSink& Sink, const std::string& Title,
                   const TConvertOptions& Options = {});

}  // namespace pmrconv
