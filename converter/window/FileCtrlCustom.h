#pragma once
// What the drive box, the folder list and the file list do, written once for every toolkit. Each toolkit's
// control (qt/FileCtrlQt.h, win32/FileCtrlWin32.h) derives from one of these classes and only draws what it
// is told to show and reports what the user picked.
//
// The controls report user actions through their On... events, called directly so that an error raised there
// passes back through the control to the point where the toolkit delivered the user's input; there it is
// shown (Forms::Guarded), once, and the control stays usable.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Drives.h"

namespace FileCtrl {

// The pictures the controls show, one file each under icons/.
enum class TPicture {
  DriveRemovable,
  DriveFixed,
  DriveNetwork,
  DriveOptical,
  DriveRam,
  FolderOpen,
  FolderCurrent,
  FolderClosed,
  Ok,
  Close
};

// The picture's file name under icons/, without ".png".
const char* PictureName(TPicture picture);

// One line of a list or of the drive box.
struct TListEntry {
  std::string Text;
  TPicture Picture = TPicture::FolderClosed;
  int Depth = 0;  // indentation level in the folder list
};

// The drive box: one entry per drive, with a picture of its type. Keeps the picked drive.
class TCustomDriveComboBox {
 public:
  virtual ~TCustomDriveComboBox() = default;

  // Replaces the entries; keeps the picked drive when it is still listed, else picks the current folder's.
  void SetDrives(std::vector<TDrive> drives);
  const std::vector<TDrive>& Drives() const { return FDrives; }

  // The picked drive's root.
  const std::string& Drive() const { return FDrive; }
  // Picks the listed drive with this root; OnChange runs when the pick differs from before.
  void SetDrive(const std::string& root);

  std::function<void()> OnChange;

 protected:
  // The user picked the entry at index: picks its drive and shows an error that raises.
  void Picked(int index) noexcept;

  virtual void ShowEntries(const std::vector<TListEntry>& entries) = 0;
  virtual void ShowPicked(int index) = 0;

 private:
  std::vector<TDrive> FDrives;
  std::string FDrive;
};

// The folder list: the drive's root, each folder down to the current folder, the current folder and its
// sorted subfolders, each indented by its depth. Opening an entry makes it the current folder.
class TCustomDirectoryListBox {
 public:
  virtual ~TCustomDirectoryListBox() = default;

  const std::string& Directory() const { return FDirectory; }
  // Moves to the folder and rebuilds; OnChange runs. Nothing happens when it is the current folder already.
  // Raises the file error when the folder cannot be read, and then keeps the previous one.
  void SetDirectory(const std::string& folder);

  const std::string& Drive() const { return FDrive; }
  // Moves to the folder last current on that drive (its root at first), rebuilds and runs OnChange, also when
  // nothing differs. Raises the file error when that folder cannot be read, and then keeps the previous one.
  void SetDrive(const std::string& root);

  std::function<void()> OnChange;

 protected:
  // Starts on the process's current folder; raises the file error when that cannot be read. Called by the
  // toolkit's constructor, once it can show entries.
  void Start();

  // Whether the entry at index is another folder than the current one (Enter opens it then).
  bool IsOtherFolder(int index) const;
  // Opens the entry at index (double click, Enter) and shows an error that raises.
  void Open(int index) noexcept;

  virtual void ShowEntries(const std::vector<TListEntry>& entries, int current) = 0;

 private:
  void MoveTo(const std::string& root, const std::string& folder);

  std::string FDrive;
  std::string FDirectory;
  std::vector<std::string> FPaths;  // the folder of each entry
  std::map<std::string, std::string> FLastOnDrive;
};

// The file list: the files of one folder that match the mask, sorted by name. At most one is selected.
class TCustomFileListBox {
 public:
  virtual ~TCustomFileListBox() = default;

  const std::string& Directory() const { return FDirectory; }
  // Reads the folder unless it is the one shown: the selection is cleared and the folder becomes the
  // process's current folder. Raises the file error when it cannot be read, and then keeps the previous one.
  void SetDirectory(const std::string& folder);

  // Patterns separated by ";"; "*.*" stands for every file.
  const std::string& Mask() const { return FMask; }
  void SetMask(const std::string& mask);

  // The selected file's path: its folder, a path delimiter unless the folder already ends with one, and its
  // name; empty when nothing is selected.
  std::string FileName() const;
  // Selects the listed file of exactly this name (the program start's FILE); false, with the selection
  // unchanged, when the list has none.
  bool SelectFile(const std::string& name);

 protected:
  // Starts on the process's current folder with nothing selected; raises the file error when it cannot be
  // read.
  void Start();

  // Shows the names with nothing selected.
  virtual void ShowNames(const std::vector<std::string>& names) = 0;
  // The selected entry's index, -1 for none.
  virtual int SelectedIndex() const = 0;
  // Selects the entry at index and scrolls it into view.
  virtual void ShowSelected(int index) = 0;

 private:
  void Read(const std::string& folder);

  std::string FDirectory;
  std::string FMask = "*.*";
  std::vector<std::string> FNames;
};

enum class TBitBtnKind { Custom, OK, Close };

// The caption a button of this kind starts with ("OK", "&Schließen"), empty for Custom.
const char* CaptionOf(TBitBtnKind kind);
// Its picture; only OK and Close have one.
TPicture PictureOf(TBitBtnKind kind);

}  // namespace FileCtrl
