#pragma once
// Control-word translation: the HTML of one RTF control word, with its effect on the scope's format and tags.

#include <cstdint>
#include <string>
#include <string_view>

#include "pmrconv/Context.h"
#include "pmrconv/Format.h"
#include "pmrconv/TagStack.h"

namespace pmrconv {

// W is the word as the reader collected it, name and parameter together, without the backslash (b0, fs24, cf2).
// Updates Stack and F of the calling scope at Level, and the flags of Context, and returns the HTML to write
// (possibly empty); faces and colours are looked up in Context's tables. A parameter
// that is no 32-bit integer raises EConvertError; a colour reference the colour table cannot answer EListError.
std::string TranslateControlWord(TConversionContext& Context, std::string_view W, TTagStack& Stack, format& F,
                                 int32_t Level);

// The opening size tag for S points.
std::string FontSizeTag(int32_t S);

}  // namespace pmrconv
