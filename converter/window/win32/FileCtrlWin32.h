#pragma once
// The Win32 toolkit's drive box, folder list, file list and picture buttons, on the stock combo box, list box
// and button classes. What they show and do comes from FileCtrlCustom.h; these classes draw it and pass on
// what the user picked.

#include <functional>
#include <string>
#include <vector>

#include "FileCtrlCustom.h"
#include "TFormWin32.h"

namespace FileCtrl {

// Drop-down list of the drives, each with a picture of its type. Starts on the drive of the current folder.
class TDriveComboBox : public Forms::TWinControl, public TCustomDriveComboBox {
 public:
  explicit TDriveComboBox(Forms::TForm& form);
  // The height is that of the closed box; the list drops below it.
  void SetBounds(int left, int top, int width, int height) override;
  void Notified(WORD code) override;
  void MeasureItem(MEASUREITEMSTRUCT& item) override;
  void DrawItem(const DRAWITEMSTRUCT& item) override;

 protected:
  void ShowEntries(const std::vector<TListEntry>& entries) override;
  void ShowPicked(int index) override;

 private:
  std::vector<TListEntry> FEntries;
  UINT FFieldHeight = 0;  // the selection field's, 0 until the bounds are set
};

// The folder list; double-click or Enter on an entry opens it (Enter on the current folder goes on to the
// window's default button).
class TDirectoryListBox : public Forms::TWinControl, public TCustomDirectoryListBox {
 public:
  // Starts on the process's current folder; raises the file error when that cannot be read.
  explicit TDirectoryListBox(Forms::TForm& form);
  void SetItemHeight(int height);
  void Notified(WORD code) override;
  void DrawItem(const DRAWITEMSTRUCT& item) override;
  bool KeyDown(WPARAM key) override;

  // What the list shows, for tests: the entries in order.
  const std::vector<TListEntry>& Entries() const { return FEntries; }

 protected:
  void ShowEntries(const std::vector<TListEntry>& entries, int current) override;

 private:
  std::vector<TListEntry> FEntries;
};

// The file list, single selection.
class TFileListBox : public Forms::TWinControl, public TCustomFileListBox {
 public:
  // Starts on the process's current folder with nothing selected; raises the file error when it cannot be
  // read.
  explicit TFileListBox(Forms::TForm& form);
  void SetItemHeight(int height);

 protected:
  void ShowNames(const std::vector<std::string>& names) override;
  int SelectedIndex() const override;
  void ShowSelected(int index) override;
};

// Push button with a picture; a press runs OnClick. OK: caption "OK", a check mark, the window's default
// button. Close: caption "&Schließen", a door, and a press closes the window.
class TBitBtn : public Forms::TWinControl {
 public:
  TBitBtn(Forms::TForm& form, TBitBtnKind kind = TBitBtnKind::Custom);
  TBitBtnKind Kind() const { return FKind; }
  void Notified(WORD code) override;
  void DrawItem(const DRAWITEMSTRUCT& item) override;
  // Enter on the focused button presses it, whichever is the default.
  bool KeyDown(WPARAM key) override;

  std::function<void()> OnClick;

 private:
  TBitBtnKind FKind;
};

}  // namespace FileCtrl
