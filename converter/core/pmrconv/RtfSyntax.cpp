#include "pmrconv/RtfSyntax.h"

#include <algorithm>
#include <array>

#include "pmrconv/Errors.h"
#include "pmrconv/HtmlOutput.h"

namespace pmrconv {

namespace {

constexpr std::array<std::string_view, 21> kTableDestinations = {
    "bkmkstart",  "bkmkend",  "filetbl",           "footer",    "footerf", "footnote", "header",
    "headerf",    "levelnumbers", "leveltext",     "list",      "listlevel", "listname", "listoverridetable",
    "listtable",  "pict",     "pntxtb",            "pntxta",    "revtbl",  "sp",       "template"};

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

size_t WordEnd(const TWorkingLine& Line, size_t From) {
  size_t i = From;
  while (i < Line.Length() && IsWordChar(Line[i])) ++i;
  return i;
}

size_t TextRunEnd(const TWorkingLine& Line, size_t From) {
  const std::string_view v = Line.View();
  const size_t end = v.find_first_of("\\{}", From);
  return end == std::string_view::npos ? v.size() : end;
}

int HexToByte(std::string_view X) {
  int result = 0;
  for (size_t k = 0; k < 2; ++k) {
    if (k >= X.size()) StrToInt({});
    const char c = X[k];
    int digit;
    if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else {
      digit = StrToInt(std::string_view(&c, 1));
    }
    result = result * 16 + digit;
  }
  return result;
}

std::string CharacterCode(std::string_view X) {
  for (const TNamedCode& named : kNamedCodes) {
    if (X == named.Code) return std::string(named.Html);
  }
  const char byte = static_cast<char>(HexToByte(X));
  std::string html;
  AppendEscapedText(html, std::string_view(&byte, 1));
  return html;
}

bool IsSkippedDestinationInTable(std::string_view Word) {
  return std::find(kTableDestinations.begin(), kTableDestinations.end(), Word) != kTableDestinations.end();
}

bool IsSkippedDestination(std::string_view Word) {
  return Word == "info" || Word == "stylesheet" || IsSkippedDestinationInTable(Word);
}

}  // namespace pmrconv
