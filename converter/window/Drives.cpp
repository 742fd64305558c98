// The parts of the drives that are the same on every platform.
#include "Drives.h"

#include <algorithm>
#include <cctype>

#include "PathNames.h"

namespace FileCtrl {

namespace {

char Folded(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string LowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), Folded);
  return text;
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
  if (!folder.empty() && PathNames::IsSeparator(folder.back()))
    folder.remove_suffix(1);  // a root such as "/" or "C:\"
  if (path.size() < folder.size() || !PathNames::SameName(path.substr(0, folder.size()), folder)) return false;
  return path.size() == folder.size() || PathNames::IsSeparator(path[folder.size()]);
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

std::vector<std::string> FoldersBelow(std::string_view root, std::string_view folder) {
  std::vector<std::string> names;
  std::string_view rest = folder.substr(std::min(root.size(), folder.size()));
  while (!rest.empty()) {
    const auto start = std::find_if_not(rest.begin(), rest.end(), PathNames::IsSeparator);
    rest.remove_prefix(static_cast<std::size_t>(start - rest.begin()));
    if (rest.empty()) break;
    names.emplace_back(rest.begin(), std::find_if(rest.begin(), rest.end(), PathNames::IsSeparator));
    rest.remove_prefix(names.back().size());
  }
  return names;
}

}  // namespace FileCtrl
