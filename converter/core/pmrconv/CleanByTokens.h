#pragma once
// The clean-up of empty tag pairs replayed on a list of tags, for long lines with deeply nested empty pairs (a
// table cell of a thousand \b words is one line of "<B>"s and "</B>"s). Each of the plain passes removes only the
// innermost layer and copies the whole line, so such a line would cost the square of its length.

#include <string>

namespace pmrconv::detail {

// Runs CleanEmptyTags' passes on S with the same result, in time linear in S when S is made of text without "<" and
// ">" and of whole tags "<...>", as every line the converter writes is. Returns true when S is then clean. Returns
// false, with S unchanged, for any other text, or, with S as a whole number of passes left it, when the replay stops
// being cheap; the plain passes then finish the work.
bool CleanEmptyTagsByTokens(std::string& S);

}  // namespace pmrconv::detail
