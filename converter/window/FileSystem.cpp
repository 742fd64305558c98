// The parts of the file-system interface that are the same on every platform.
#include "FileSystem.h"

#include <algorithm>
#include <cctype>

namespace FileCtrl {

namespace {

char Folded(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string LowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), Folded);
  return text;
}

bool SameName(std::string_view a, std::string_view b) {
#ifdef _WIN32
  // Windows' file names ignore letter case.
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return Folded(x) == Folded(y); });
#else
  return a == b;
#endif
}

std::string Bracketed(const std::string& label) {
  return " [" + label + "]";
}

}  // namespace

std::string DriveCaption(const TDrive& drive) {
  const std::string name = DriveName(drive.Root);
  switch (drive.Type) {
    case TDriveType::Removable:
      return name;
    case TDriveType::Network:
      if (!drive.NetworkName.empty()) return name + " " + LowerCase(drive.NetworkName);
      return drive.Label.empty() ? name : name + Bracketed(LowerCase(drive.Label));
    case TDriveType::Fixed:
    case TDriveType::Optical:
    case TDriveType::Ram:
      break;
  }
#ifdef _WIN32
  return name + Bracketed(drive.Label);  // a drive letter always shows its label, "[]" when it has none
#else
  return drive.Label.empty() ? name : name + Bracketed(drive.Label);  // a mount point is name enough
#endif
}

bool IsAtOrBelow(std::string_view path, std::string_view folder) {
  if (!folder.empty() && folder.back() == kPathDelimiter)
    folder.remove_suffix(1);  // a root such as "/" or "C:\"
  if (path.size() < folder.size() || !SameName(path.substr(0, folder.size()), folder)) return false;
  return path.size() == folder.size() || path[folder.size()] == kPathDelimiter;
}

int DriveOf(const std::vector<TDrive>& drives, std::string_view folder) {
  int best = -1;
  for (std::size_t i = 0; i < drives.size(); ++i) {
    const std::string& root = drives[i].Root;
    if (IsAtOrBelow(folder, root) &&
        (best < 0 || root.size() > drives[static_cast<std::size_t>(best)].Root.size()))
      best = static_cast<int>(i);
  }
  return best;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (path.empty() || path.back() != kPathDelimiter) path += kPathDelimiter;
  path += name;
  return path;
}

std::vector<std::string> FoldersBelow(std::string_view root, std::string_view folder) {
  std::vector<std::string> names;
  std::string_view rest = folder.substr(std::min(root.size(), folder.size()));
  while (!rest.empty()) {
    rest.remove_prefix(std::min(rest.find_first_not_of(kPathDelimiter), rest.size()));
    if (rest.empty()) break;
    names.emplace_back(rest.substr(0, rest.find(kPathDelimiter)));
    rest.remove_prefix(names.back().size());
  }
  return names;
}

bool NameLess(const std::string& a, const std::string& b) {
  const auto folded =
      std::lexicographical_compare_three_way(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(Folded(x)) <=> static_cast<unsigned char>(Folded(y));
      });
  return folded != 0 ? folded < 0 : a < b;
}

}  // namespace FileCtrl
