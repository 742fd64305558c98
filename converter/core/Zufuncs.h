#pragma once
// Generic string substitution used by the HTML clean-up. All comparisons are exact and case-sensitive.

#include <string>
#include <string_view>
#include <vector>

namespace Zufuncs {

// Replaces every occurrence of Find in Source, left to right and without overlap; the inserted text is never
// searched again. An empty Find is never found.
std::string ReplaceAll(std::string_view Find, std::string_view Replacement, std::string_view Source);

// Pattern is Prefix*Suffix with the star neither first nor last. Returns Prefix, Middle and Suffix as they stand in
// Source for the first occurrence of Prefix and the first Suffix after it, when Middle has at most MaxMiddle
// characters and none of the characters of MiddleExcludes; otherwise (or for a pattern without a usable star) the
// empty string. Later occurrences of Prefix are never tried.
std::string WildcardMatch(std::string_view Pattern, std::string_view Source, int MaxMiddle,
                          std::string_view MiddleExcludes = {});

// Without a star: ReplaceAll(Pattern, ...). With one: every copy of the first acceptable match is replaced.
std::string WildcardReplace(std::string_view Pattern, std::string_view Replacement, std::string_view Source,
                            int MaxMiddle, std::string_view MiddleExcludes = {});

// ReplaceAll for each pair in order; lists of different lengths leave Source unchanged.
std::string ReplaceList(const std::vector<std::string>& Finds, const std::vector<std::string>& Replacements,
                        std::string_view Source);

}  // namespace Zufuncs
