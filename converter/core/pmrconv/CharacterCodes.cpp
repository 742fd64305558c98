#include "pmrconv/CharacterCodes.h"

#include <array>

#include "pmrconv/HtmlOutput.h"
#include "pmrconv/RtfSyntax.h"

namespace pmrconv {

namespace {

struct TNamedCode {
  std::string_view Code;
  std::string_view Html;
};

constexpr std::array<TNamedCode, 8> kNamedCodes = {{{"c4", "&Auml;"},
                                                    {"d6", "&Ouml;"},
                                                    {"dc", "&Uuml;"},
                                                    {"e4", "&auml;"},
                                                    {"f6", "&ouml;"},
                                                    {"fc", "&uuml;"},
                                                    {"df", "&szlig;"},
                                                    {"b7", "&middot;"}}};

}  // namespace

std::string CharacterCode(std::string_view X) {
  if (X.size() == 2) {
    for (const TNamedCode& named : kNamedCodes) {
      if (X[0] == named.Code[0] && X[1] == named.Code[1]) return std::string(named.Html);
    }
  }
  const char byte = static_cast<char>(HexToByte(X));
  std::string html;
  AppendEscapedText(html, std::string_view(&byte, 1));
  return html;
}

}  // namespace pmrconv
