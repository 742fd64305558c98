#include "Zufuncs.h"

namespace Zufuncs {

std::string ReplaceAll(std::string_view Find, std::string_view Replacement, std::string_view Source) {
  if (Find.empty()) return std::string(Source);
  std::string result;
  size_t done = 0;
  for (size_t at = Source.find(Find); at != std::string_view::npos; at = Source.find(Find, done)) {
    if (result.empty()) result.reserve(Source.size());
    result.append(Source.substr(done, at - done));
    result.append(Replacement);
    done = at + Find.size();
  }
  if (done == 0) return std::string(Source);
  result.append(Source.substr(done));
  return result;
}

std::string WildcardMatch(std::string_view Pattern, std::string_view Source, int MaxMiddle,
                          std::string_view MiddleExcludes) {
  const size_t star = Pattern.find('*');
  if (star == 0 || star == std::string_view::npos || star + 1 >= Pattern.size()) return {};
  const std::string_view prefix = Pattern.substr(0, star);
  const std::string_view suffix = Pattern.substr(star + 1);
  const size_t begin = Source.find(prefix);
  if (begin == std::string_view::npos) return {};
  const size_t middle = begin + prefix.size();
  const size_t end = Source.find(suffix, middle);
  if (end == std::string_view::npos) return {};
  if (MaxMiddle < 0 || end - middle > static_cast<size_t>(MaxMiddle)) return {};
  if (!MiddleExcludes.empty() &&
      Source.substr(middle, end - middle).find_first_of(MiddleExcludes) != std::string_view::npos) {
    return {};
  }
  return std::string(Source.substr(begin, end + suffix.size() - begin));
}

std::string WildcardReplace(std::string_view Pattern, std::string_view Replacement, std::string_view Source,
                            int MaxMiddle, std::string_view MiddleExcludes) {
  if (Pattern.find('*') == std::string_view::npos) return ReplaceAll(Pattern, Replacement, Source);
  const std::string match = WildcardMatch(Pattern, Source, MaxMiddle, MiddleExcludes);
  if (match.empty()) return std::string(Source);
  return ReplaceAll(match, Replacement, Source);
}

std::string ReplaceList(const std::vector<std::string>& Finds, const std::vector<std::string>& Replacements,
                        std::string_view Source) {
  std::string result(Source);
  if (Finds.size() != Replacements.size()) return result;
  for (size_t i = 0; i < Finds.size(); ++i) result = ReplaceAll(Finds[i], Replacements[i], result);
  return result;
}

}  // namespace Zufuncs
