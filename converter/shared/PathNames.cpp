#include "PathNames.h"

#include <algorithm>
#include <cctype>

namespace PathNames {

namespace {

#ifdef _WIN32
constexpr std::string_view kNameStarts = "/\\:";
#else
constexpr std::string_view kNameStarts = "/";  // a backslash is an ordinary character here
#endif

char Folded(char C) { return static_cast<char>(std::tolower(static_cast<unsigned char>(C))); }

}  // namespace

bool IsSeparator(char C) {
#ifdef _WIN32
  return C == '/' || C == '\\';
#else
  return C == '/';
#endif
}

std::string_view FileNameOf(std::string_view Path) {
  const std::size_t cut = Path.find_last_of(kNameStarts);
  return cut == std::string_view::npos ? Path : Path.substr(cut + 1);
}

std::string_view FolderOf(std::string_view Path) { return Path.substr(0, Path.size() - FileNameOf(Path).size()); }

std::string JoinPath(std::string_view Folder, std::string_view Name) {
  std::string path(Folder);
  if (Name.empty()) return path;
  if (!path.empty() && !IsSeparator(path.back())) path += kSeparator;
  path += Name;
  return path;
}

bool SameName(std::string_view A, std::string_view B) {
#ifdef _WIN32
  return std::equal(A.begin(), A.end(), B.begin(), B.end(), [](char x, char y) {
    return Folded(x) == Folded(y) || (IsSeparator(x) && IsSeparator(y));
  });
#else
  return A == B;
#endif
}

bool NameLess(const std::string& A, const std::string& B) {
  const auto folded =
      std::lexicographical_compare_three_way(A.begin(), A.end(), B.begin(), B.end(), [](char x, char y) {
        return static_cast<unsigned char>(Folded(x)) <=> static_cast<unsigned char>(Folded(y));
      });
  return folded != 0 ? folded < 0 : A < B;
}

std::string PageNameFor(std::string_view Source) {
  const std::size_t nameLength = FileNameOf(Source).size();
  std::string page(Source.substr(0, Source.size() - std::min<std::size_t>(nameLength, 3)));
  page += "htm";
  return page;
}

}  // namespace PathNames
