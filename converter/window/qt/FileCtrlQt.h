#pragma once
// The Qt toolkit's drive box, folder list, file list and picture buttons. What they show and do comes from
// FileCtrlCustom.h; these classes draw it and pass on what the user picked.

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <functional>
#include <string>
#include <vector>

#include "FileCtrlCustom.h"
#include "TFormQt.h"

namespace FileCtrl {

// Drop-down list of the drives, each with a picture of its type. Starts on the drive of the current folder.
class TDriveComboBox : public QComboBox, public TCustomDriveComboBox {
 public:
  explicit TDriveComboBox(QWidget* parent);
  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }

 protected:
  void ShowEntries(const std::vector<TListEntry>& entries) override;
  void ShowPicked(int index) override;
};

// The folder list; double-click or Enter on an entry opens it (Enter on the current folder goes on to the
// window's default button). Each entry keeps its depth under Qt::UserRole + 1.
class TDirectoryListBox : public QListWidget, public TCustomDirectoryListBox {
 public:
  // Starts on the process's current folder; raises the file error when that cannot be read.
  explicit TDirectoryListBox(QWidget* parent);
  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }
  void SetItemHeight(int height);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void ShowEntries(const std::vector<TListEntry>& entries, int current) override;
};

// The file list, single selection.
class TFileListBox : public QListWidget, public TCustomFileListBox {
 public:
  // Starts on the process's current folder with nothing selected; raises the file error when it cannot be
  // read.
  explicit TFileListBox(QWidget* parent);
  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }
  void SetItemHeight(int height);

 protected:
  void ShowNames(const std::vector<std::string>& names) override;
  int SelectedIndex() const override;
  void ShowSelected(int index) override;
};

// Push button with a picture; a press runs OnClick. OK: caption "OK", a check mark, the window's default
// button. Close: caption "&Schließen", a door, and a press closes the window.
class TBitBtn : public QPushButton {
 public:
  explicit TBitBtn(QWidget* parent, TBitBtnKind kind = TBitBtnKind::Custom);
  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }
  TBitBtnKind Kind() const { return FKind; }

  std::function<void()> OnClick;

 private:
  TBitBtnKind FKind;
};

}  // namespace FileCtrl
