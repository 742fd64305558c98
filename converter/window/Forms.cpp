#include "Forms.h"

#include <cctype>
#include <utility>

#include "Exception.h"
#include "PageRules.h"
#include "PathNames.h"

namespace Forms {

namespace {

TExceptionReporter& Reporter() {
  static TExceptionReporter reporter;
  return reporter;
}

}  // namespace

std::string TitleFromFileName(std::string_view path) {
  path = PathNames::FileNameOf(path);
  if (const auto dot = path.find('.'); dot != std::string_view::npos) path = path.substr(0, dot);
  std::string title(path);
  // The first character stays as the file name has it; only the rest is folded.
  for (std::size_t i = 1; i < title.size(); ++i) {
    title[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(title[i])));
  }
  return title;
}

TExceptionReporter SetExceptionReporter(TExceptionReporter reporter) {
  return std::exchange(Reporter(), std::move(reporter));
}

void ShowException(const std::exception& error) noexcept {
  try {
    const auto* own = dynamic_cast<const rtl::Exception*>(&error);
    const std::string text =
        PageRules::MessageWithPeriod(own != nullptr ? std::string_view(own->Message()) : error.what());
    const std::string caption = ApplicationTitle();
    if (Reporter())
      Reporter()(caption, text);
    else
      detail::ShowStopBox(caption, text);
  } catch (...) {
    // Reporting must never end the program; an error box that cannot be shown is dropped.
  }
}

}  // namespace Forms
