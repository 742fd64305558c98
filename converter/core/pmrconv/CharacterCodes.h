#pragma once
// The HTML of an RTF character code (\'XX), as both readers write it.

#include <string>
#include <string_view>

namespace pmrconv {

// The HTML for the escape \'X: the named umlauts, sharp s and middle dot for the exact lower-case codes, otherwise
// the byte itself ("<", ">" and "&" as entities). Raises EConvertError when X is not two hexadecimal digits.
std::string CharacterCode(std::string_view X);

}  // namespace pmrconv
