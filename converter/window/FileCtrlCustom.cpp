#include "FileCtrlCustom.h"

#include <algorithm>
#include <iterator>

#include "FileSystem.h"
#include "Forms.h"
#include "PathNames.h"

namespace FileCtrl {

namespace {

using FileSystem::TEntryKind;
using FileSystem::TFolderEntry;
using PathNames::JoinPath;

// The names of Folder's entries of Kind that match Mask, without hidden and system ones, in listing order.
std::vector<std::string> ShownNames(const std::string& Folder, TEntryKind Kind, std::string_view Mask) {
  std::vector<std::string> names;
  for (TFolderEntry& entry : FileSystem::ReadFolder(Folder, Mask)) {
    if (entry.Kind == Kind && !entry.Hidden) names.push_back(std::move(entry.Name));
  }
  return names;
}

std::vector<std::string> ReadSubfolders(const std::string& Folder) {
  return ShownNames(Folder, TEntryKind::Folder, "*");
}

// Regular files only: reading a device or a pipe could block the window.
std::vector<std::string> ReadFiles(const std::string& Folder, const std::string& Mask) {
  return ShownNames(Folder, TEntryKind::File, Mask);
}

// In the order of TPicture.
constexpr const char* kPictureNames[] = {"drive-removable",
                                         "drive-fixed",
                                         "drive-network",
                                         "drive-optical",
                                         "drive-ram",
                                         "folder-open",
                                         "folder-current",
                                         "folder-closed",
                                         "ok",
                                         "close"};
static_assert(std::size(kPictureNames) == static_cast<std::size_t>(TPicture::Close) + 1);

}  // namespace

const char* PictureName(TPicture picture) {
  return kPictureNames[static_cast<std::size_t>(picture)];
}

namespace {

TPicture DrivePicture(TDriveType type) {
  switch (type) {
    case TDriveType::Removable:
      return TPicture::DriveRemovable;
    case TDriveType::Network:
      return TPicture::DriveNetwork;
    case TDriveType::Optical:
      return TPicture::DriveOptical;
    case TDriveType::Ram:
      return TPicture::DriveRam;
    case TDriveType::Fixed:
      break;
  }
  return TPicture::DriveFixed;
}

}  // namespace

void TCustomDriveComboBox::SetDrives(std::vector<TDrive> drives) {
  FDrives = std::move(drives);
  std::vector<TListEntry> entries;
  for (const TDrive& drive : FDrives) entries.push_back({DriveCaption(drive), DrivePicture(drive.Type), 0});
  ShowEntries(entries);
  if (FDrives.empty()) {
    FDrive.clear();
    return;
  }
  auto kept =
      std::find_if(FDrives.begin(), FDrives.end(), [this](const TDrive& d) { return d.Root == FDrive; });
  int index = static_cast<int>(kept - FDrives.begin());
  if (kept == FDrives.end()) {
    std::string folder;
    try {
      folder = FileSystem::CurrentFolder();
    } catch (const std::exception&) {
      // Without a current folder the box starts on the first drive.
    }
    index = std::max(DriveOf(FDrives, folder), 0);
  }
  ShowPicked(index);
  FDrive = FDrives[static_cast<std::size_t>(index)].Root;
}

void TCustomDriveComboBox::SetDrive(const std::string& root) {
  for (std::size_t i = 0; i < FDrives.size(); ++i) {
    if (FDrives[i].Root != root) continue;
    ShowPicked(static_cast<int>(i));
    if (root == FDrive) return;
    FDrive = root;
    if (OnChange) OnChange();
    return;
  }
}

void TCustomDriveComboBox::Picked(int index) noexcept {
  if (index < 0 || static_cast<std::size_t>(index) >= FDrives.size()) return;
  Forms::Guarded([this, index] { SetDrive(FDrives[static_cast<std::size_t>(index)].Root); });
}

void TCustomDirectoryListBox::Start() {
  const std::string folder = FileSystem::CurrentFolder();
  MoveTo(DriveRootOf(folder), folder);
}

void TCustomDirectoryListBox::SetDirectory(const std::string& folder) {
  if (folder == FDirectory) return;
  MoveTo(FDrive, folder);
  if (OnChange) OnChange();
}

void TCustomDirectoryListBox::SetDrive(const std::string& root) {
  const auto last = FLastOnDrive.find(root);
  MoveTo(root, last == FLastOnDrive.end() ? root : last->second);
  if (OnChange) OnChange();
}

void TCustomDirectoryListBox::MoveTo(const std::string& root, const std::string& folder) {
  const std::vector<std::string> subfolders = ReadSubfolders(folder);  // raises before anything changes
  std::vector<TListEntry> entries{{root, TPicture::FolderOpen, 0}};
  std::vector<std::string> paths{root};
  for (const std::string& name : FoldersBelow(root, folder)) {
    paths.push_back(JoinPath(paths.back(), name));
    entries.push_back({name, TPicture::FolderOpen, static_cast<int>(entries.size())});
  }
  const int current = static_cast<int>(entries.size()) - 1;
  entries.back().Picture = TPicture::FolderCurrent;
  for (const std::string& name : subfolders) {
    paths.push_back(JoinPath(folder, name));
    entries.push_back({name, TPicture::FolderClosed, current + 1});
  }
  FDrive = root;
  FDirectory = folder;
  FLastOnDrive[root] = folder;
  FPaths = std::move(paths);
  ShowEntries(entries, current);
}

bool TCustomDirectoryListBox::IsOtherFolder(int index) const {
  return index >= 0 && static_cast<std::size_t>(index) < FPaths.size() &&
         FPaths[static_cast<std::size_t>(index)] != FDirectory;
}

void TCustomDirectoryListBox::Open(int index) noexcept {
  if (index < 0 || static_cast<std::size_t>(index) >= FPaths.size()) return;
  // A copy: the rebuild replaces the paths.
  Forms::Guarded([this, path = FPaths[static_cast<std::size_t>(index)]] { SetDirectory(path); });
}

void TCustomFileListBox::Start() {
  Read(FileSystem::CurrentFolder());
}

void TCustomFileListBox::SetDirectory(const std::string& folder) {
  if (folder != FDirectory) Read(folder);
}

void TCustomFileListBox::SetMask(const std::string& mask) {
  FMask = mask;
  Read(FDirectory);
}

void TCustomFileListBox::Read(const std::string& folder) {
  std::vector<std::string> names = ReadFiles(folder, FMask);
  FileSystem::ChangeFolder(folder);
  FDirectory = folder;
  FNames = std::move(names);
  ShowNames(FNames);
}

bool TCustomFileListBox::SelectFile(const std::string& name) {
  for (std::size_t index = 0; index < FNames.size(); ++index) {
    if (FNames[index] == name) {
      ShowSelected(static_cast<int>(index));
      return true;
    }
  }
  return false;
}

std::string TCustomFileListBox::FileName() const {
  const int index = SelectedIndex();
  if (index < 0 || static_cast<std::size_t>(index) >= FNames.size()) return {};
  return JoinPath(FDirectory, FNames[static_cast<std::size_t>(index)]);
}

const char* CaptionOf(TBitBtnKind kind) {
  switch (kind) {
    case TBitBtnKind::OK:
      return "OK";
    case TBitBtnKind::Close:
      return "&Schlie\xC3\x9F"
             "en";
    case TBitBtnKind::Custom:
      break;
  }
  return "";
}

TPicture PictureOf(TBitBtnKind kind) {
  return kind == TBitBtnKind::OK ? TPicture::Ok : TPicture::Close;
}

}  // namespace FileCtrl
