#include "PageRules.h"

#include <algorithm>

namespace PageRules {

namespace {

#ifdef _WIN32
constexpr std::string_view kNameStarts = "/\\:";
#else
constexpr std::string_view kNameStarts = "/\\";
#endif

}  // namespace

std::string_view FileNameOf(std::string_view path) {
  const std::size_t cut = path.find_last_of(kNameStarts);
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string PageNameFor(std::string_view source) {
  const std::size_t nameLength = FileNameOf(source).size();
  std::string page(source.substr(0, source.size() - std::min<std::size_t>(nameLength, 3)));
  page += "htm";
  return page;
}

std::string MessageWithPeriod(std::string_view message) {
  std::string text(message);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) text += '.';
  return text;
}

}  // namespace PageRules
