#pragma once
// Drive box, folder list, file list and picture buttons of the converter window, as small Qt widgets.
// On Linux a "drive" is a mounted file system; its root is the mount point, and paths use "/" between names.
// Paths are kept as the file system's own bytes and only turned into screen text for display.

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

namespace FileCtrl {

enum class TDriveType { Removable, Fixed, Network, Optical, Ram };

struct TDrive {
  std::string Root;         // the mount point, e.g. "/" or "/media/usb"
  TDriveType Type = TDriveType::Fixed;
  std::string Label;        // volume label, empty when it has none
  std::string NetworkName;  // what a network drive is mounted from, empty for the others
};

// One line of the mount table, escapes decoded.
struct TMount {
  std::string Device;
  std::string Root;
  std::string FileSystem;
};

// What the drive list asks of the machine about a mounted device; tests pass their own.
struct TDeviceProbe {
  std::function<bool(const std::string& device)> IsRemovable;
  std::function<std::string(const std::string& device)> Label;
};

// The mount table in the layout of /proc/self/mounts, one mount a line, in the order mounted.
std::vector<TMount> ParseMountTable(std::string_view text);

// One drive per mount point, sorted by root, leaving out kernel and system-area mounts (the "unknown" drives);
// a later mount on the same point hides an earlier one. The root "/" is always there.
std::vector<TDrive> DrivesFromMounts(const std::vector<TMount>& mounts, const TDeviceProbe& probe);

// The drives of this machine now.
std::vector<TDrive> MountedDrives();

// The entry text: the root, then " [label]" for a fixed, optical or RAM drive with a label, " " and the network
// name (or " [label]" without one) in lower case for a network drive, nothing more for a removable drive.
std::string DriveCaption(const TDrive& drive);

// Index of the drive that holds the folder (the longest root above it), -1 when none does.
int DriveOf(const std::vector<TDrive>& drives, std::string_view folder);

// The folder with a name appended, with one "/" between them.
std::string JoinPath(std::string_view folder, std::string_view name);

// The controls report user actions through their On... events, called directly so that an error raised there
// passes back through the control to the point where Qt delivered the user's input; there it is shown
// (Forms::Guarded), once, and the control stays usable.

// Drop-down list of the drives, each with a picture of its type. Starts on the drive of the current folder.
class TDriveComboBox : public QComboBox {
public:
  explicit TDriveComboBox(QWidget* parent);

  // Replaces the entries; keeps the picked drive when it is still listed, else picks the current folder's.
  void SetDrives(std::vector<TDrive> drives);
  const std::vector<TDrive>& Drives() const { return FDrives; }

  // The picked drive's root.
  const std::string& Drive() const { return FDrive; }
  // Picks the listed drive with this root; OnChange runs when the pick differs from before.
  void SetDrive(const std::string& root);

  std::function<void()> OnChange;

private:
  std::vector<TDrive> FDrives;
  std::string FDrive;
};

// The drive's root, each folder down to the current folder, the current folder and its sorted subfolders, each
// indented by its depth. Double-click or Enter on an entry opens it.
class TDirectoryListBox : public QListWidget {
public:
  // Starts on the process's current folder; raises the file error when that cannot be read.
  explicit TDirectoryListBox(QWidget* parent);

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
  void keyPressEvent(QKeyEvent* event) override;

private:
  void MoveTo(const std::string& root, const std::string& folder);
  void OpenEntry(const QListWidgetItem* item);

  std::string FDrive;
  std::string FDirectory;
  std::map<std::string, std::string> FLastOnDrive;
};

// The files of one folder that match the mask, sorted by name, without folders, hidden files (names beginning with
// ".") and system files (anything that is not a regular file). At most one is selected.
class TFileListBox : public QListWidget {
public:
  // Starts on the process's current folder with nothing selected; raises the file error when it cannot be read.
  explicit TFileListBox(QWidget* parent);

  const std::string& Directory() const { return FDirectory; }
  // Reads the folder unless it is the one shown: the selection is cleared and the folder becomes the process's
  // current folder. Raises the file error when it cannot be read, and then keeps the previous one.
  void SetDirectory(const std::string& folder);

  // Patterns separated by ";"; "*.*" stands for every file.
  const std::string& Mask() const { return FMask; }
  void SetMask(const std::string& mask);

  // The selected file's path: its folder, "/" unless the folder already ends with one, and its name; empty when
  // nothing is selected.
  std::string FileName() const;

private:
  void Read(const std::string& folder);

  std::string FDirectory;
  std::string FMask = "*.*";
};

enum class TBitBtnKind { Custom, OK, Close };

// Push button with a picture; a press runs OnClick. OK: caption "OK", a check mark, the window's default button.
// Close: caption "&Schließen", a door, and a press closes the window.
class TBitBtn : public QPushButton {
public:
  explicit TBitBtn(QWidget* parent, TBitBtnKind kind = TBitBtnKind::Custom);
  TBitBtnKind Kind() const { return FKind; }

  std::function<void()> OnClick;

private:
  TBitBtnKind FKind;
};

}  // namespace FileCtrl
