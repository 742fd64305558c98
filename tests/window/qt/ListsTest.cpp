#include <gtest/gtest.h>

#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <utility>
#include <vector>

#include "ErrorCapture.h"
#include "Exception.h"
#include "FileCtrlQt.h"
#include "TestFolder.h"

namespace {

std::vector<std::string> Texts(const QListWidget& list) {
  std::vector<std::string> texts;
  for (int i = 0; i < list.count(); ++i) texts.push_back(list.item(i)->text().toStdString());
  return texts;
}

// The entries below the folder list's root, as (text, depth), from the entry for the given folder on.
std::vector<std::pair<std::string, int>> EntriesFrom(const QListWidget& list, const std::string& text) {
  std::vector<std::pair<std::string, int>> entries;
  for (int i = 0; i < list.count(); ++i) {
    if (entries.empty() && list.item(i)->text().toStdString() != text) continue;
    entries.emplace_back(list.item(i)->text().toStdString(), list.item(i)->data(Qt::UserRole + 1).toInt());
  }
  return entries;
}

// A real double click starts with a press: the view opens only the entry pressed first.
void DoubleClick(QListWidget& list, int row) {
  const QPoint centre = list.visualItemRect(list.item(row)).center();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
}

int RowOf(const QListWidget& list, const std::string& text) {
  for (int i = 0; i < list.count(); ++i)
    if (list.item(i)->text().toStdString() == text) return i;
  return -1;
}

}  // namespace

TEST(FileList, ListsVisibleRegularFilesSortedByNameOnly) {
  TTestFolder folder;
  for (const char* name : {"b.txt", "A.rtf", "c.RTF", ".hidden"}) folder.Write(name, "x");
  folder.MakeFolder("sub");
  ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0600), 0);
  std::filesystem::create_symlink(folder / "gone", folder / "dangling");
  std::filesystem::create_symlink(folder / "b.txt", folder / "link.txt");

  FileCtrl::TFileListBox list(nullptr);
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"A.rtf", "b.txt", "c.RTF", "link.txt"}));
  list.SetMask("*.rtf");
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"A.rtf", "c.RTF"}));
}

TEST(FileList, ReadsOnlyWhenItsFolderChangesAndThenClearsTheSelection) {
  TTestFolder folder;
  folder.Write("one.rtf", "x");
  folder.MakeFolder("sub");
  FileCtrl::TFileListBox list(nullptr);
  EXPECT_TRUE(list.FileName().empty());
  list.setCurrentRow(0);
  EXPECT_EQ(list.FileName(), folder / "one.rtf");

  folder.Write("two.rtf", "x");
  list.SetDirectory(folder.Path());
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"one.rtf"}));
  EXPECT_EQ(list.FileName(), folder / "one.rtf");

  list.SetDirectory(folder / "sub");
  EXPECT_EQ(std::filesystem::current_path(), folder / "sub");
  list.SetDirectory(folder.Path());
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"one.rtf", "two.rtf"}));
  EXPECT_TRUE(list.FileName().empty());
  EXPECT_EQ(std::filesystem::current_path(), folder.Path());
}

TEST(FileList, AFolderThatCannotBeReadKeepsThePreviousOne) {
  TTestFolder folder;
  folder.Write("one.rtf", "x");
  FileCtrl::TFileListBox list(nullptr);
  list.setCurrentRow(0);
  // A folder that is missing, or a link that leads nowhere but to itself, is a path not found.
  std::filesystem::create_symlink(folder / "loop", folder / "loop");
  for (const char* name : {"missing", "loop"}) {
    try {
      list.SetDirectory(folder / name);
      ADD_FAILURE() << name << " was read";
    } catch (const rtl::Exception& error) {
      EXPECT_EQ(error.Message(), "Ung\xC3\xBCltiger Dateiname") << name;
    }
  }
  EXPECT_EQ(list.Directory(), folder.Path());
  EXPECT_EQ(list.FileName(), folder / "one.rtf");
  EXPECT_EQ(std::filesystem::current_path(), folder.Path());
}

TEST(FolderList, ShowsRootPathCurrentFolderAndSortedVisibleSubfolders) {
  TTestFolder folder;
  for (const char* name : {"top/mid/Beta", "top/mid/alpha", "top/mid/.git", "top/mid/Gamma"}) folder.MakeFolder(name);
  folder.Write("top/mid/file.rtf", "x");
  std::filesystem::current_path(folder / "top/mid");

  FileCtrl::TDirectoryListBox list(nullptr);
  EXPECT_EQ(list.Directory(), folder / "top/mid");
  EXPECT_EQ(list.item(0)->text().toStdString(), list.Drive());
  const auto entries = EntriesFrom(list, "top");
  ASSERT_EQ(entries.size(), 5u);
  const int depth = entries[0].second;
  EXPECT_GE(depth, 1);
  EXPECT_EQ(entries, (std::vector<std::pair<std::string, int>>{
                         {"top", depth}, {"mid", depth + 1}, {"alpha", depth + 2}, {"Beta", depth + 2},
                         {"Gamma", depth + 2}}));
  EXPECT_EQ(list.currentItem()->text().toStdString(), "mid");
}

TEST(FolderList, DoubleClickOrEnterOpensAnEntryAndSignalsTheChange) {
  TTestFolder folder;
  folder.MakeFolder("a/b");
  FileCtrl::TDirectoryListBox list(nullptr);
  list.resize(200, 400);
  list.show();
  int changes = 0;
  list.OnChange = [&changes] { ++changes; };

  DoubleClick(list, RowOf(list, "a"));
  EXPECT_EQ(list.Directory(), folder / "a");
  EXPECT_EQ(changes, 1);

  DoubleClick(list, list.currentRow());  // the current folder itself
  EXPECT_EQ(changes, 1);

  list.setCurrentRow(RowOf(list, "b"));
  QTest::keyClick(&list, Qt::Key_Return);
  EXPECT_EQ(list.Directory(), folder / "a/b");
  EXPECT_EQ(changes, 2);
}

TEST(FolderList, AFolderGoneSinceListingShowsTheErrorAndKeepsTheList) {
  TErrorCapture errors;
  TTestFolder folder;
  folder.MakeFolder("gone");
  FileCtrl::TDirectoryListBox list(nullptr);
  list.resize(200, 400);
  list.show();
  const auto before = Texts(list);
  std::filesystem::remove(folder / "gone");

  DoubleClick(list, RowOf(list, "gone"));
  ASSERT_EQ(errors.Shown.size(), 1u);
  EXPECT_EQ(list.Directory(), folder.Path());
  EXPECT_EQ(Texts(list), before);
}

TEST(FolderList, ADriveReturnsToTheFolderLastCurrentOnIt) {
  TTestFolder first;
  first.MakeFolder("deep");
  TTestFolder second;  // now the current folder
  FileCtrl::TDirectoryListBox list(nullptr);
  const std::string home = list.Drive();

  list.SetDrive(first.Path());
  EXPECT_EQ(list.Directory(), first.Path());
  EXPECT_EQ(list.item(0)->text().toStdString(), first.Path());
  list.SetDirectory(first / "deep");
  list.SetDrive(home);
  EXPECT_EQ(list.Directory(), second.Path());
  list.SetDrive(first.Path());
  EXPECT_EQ(list.Directory(), first / "deep");
}

TEST(DriveBox, APickRunsOnChangeOnceAndShowsItsErrorOnce) {
  TErrorCapture errors;
  FileCtrl::TDriveComboBox box(nullptr);
  box.SetDrives({{"/", FileCtrl::TDriveType::Fixed, "", ""}, {"/media/a", FileCtrl::TDriveType::Removable, "", ""}});
  int changes = 0;
  box.OnChange = [&changes] {
    ++changes;
    throw rtl::Exception("kein Medium");
  };
  QTest::keyClick(&box, Qt::Key_End);
  EXPECT_EQ(changes, 1);
  ASSERT_EQ(errors.Shown.size(), 1u);
  EXPECT_EQ(errors.Shown[0].Text, "kein Medium.");
  EXPECT_EQ(box.Drive(), "/media/a");
  QTest::keyClick(&box, Qt::Key_End);  // the same drive again is no change
  EXPECT_EQ(changes, 1);
}
