// The Win32 window driven through its handlers and window messages, as a user's clicks and keys reach it.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ConvertCases.h"
#include "ErrorCapture.h"
#include "WinTestFolder.h"
#include "pmrconv.h"
#include "pmrform.h"

namespace {

const char* const kLetter = "{\\rtf1\\ansi Hello letter}";

// A control's text items (list box or combo box).
std::vector<std::string> Items(HWND control, UINT count, UINT length, UINT text) {
  std::vector<std::string> items;
  const auto n = SendMessageA(control, count, 0, 0);
  for (LRESULT i = 0; i < n; ++i) {
    std::string item(static_cast<std::size_t>(SendMessageA(control, length, static_cast<WPARAM>(i), 0)),
                     '\0');
    SendMessageA(control, text, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
    items.push_back(item);
  }
  return items;
}

class WinWindow : public ::testing::Test {
 public:
  void SetUp() override {
    folder.Write("letter.rtf", kLetter);
    form = std::make_unique<pmrform::TForm1>();
    form->Show();
    Forms::ProcessMessages();
  }

  void Select(const char* name) {
    const HWND list = form->FileListBox1->Handle();
    const auto index =
        SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
    ASSERT_NE(index, LB_ERR) << name;
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }

  // A click on OK as the button reports it to its window.
  void PressConvert() {
    const HWND button = form->ConvBtn->Handle();
    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
  }

  // A key as the keyboard delivers it to the focused control, through the event loop.
  void PressKey(HWND control, WPARAM key) {
    SetFocus(control);
    PostMessageA(control, WM_KEYDOWN, key, 1);
    PostMessageA(control, WM_KEYUP, key, 0xC0000001);
    Forms::ProcessMessages();
  }

  // The file list shows new files only after it has been away from its folder.
  void Reread() {
    form->FileListBox1->SetDirectory(folder / "sub");
    form->FileListBox1->SetDirectory(folder.Path());
  }

  TWinTestFolder folder;
  TErrorCapture errors;
  std::unique_ptr<pmrform::TForm1> form;
};

}  // namespace

TEST_F(WinWindow, ConvertWritesThePageBesideTheSelectedFileAndSaysNothing) {
  Select("letter.rtf");
  PressConvert();
  EXPECT_TRUE(errors.Shown.empty());
  pmrconv::TConversionContext fresh;  // the page as a program run would write it first
  EXPECT_EQ(TWinTestFolder::Read(folder / "letter.htm"),
            pmrconv::ConvertText(fresh, kLetter, folder / "letter.rtf"));
  // The list is not refreshed after a conversion.
  EXPECT_EQ(SendMessageA(form->FileListBox1->Handle(), LB_GETCOUNT, 0, 0), 1);
}

TEST_F(WinWindow, APageAsSourceIsRefusedBySharingAndStaysUnchanged) {
  ConvertCases::PageAsSourceIsRefused(*this, "pelmora_window_win_tests");
}

TEST_F(WinWindow, AnErrorPartWayIsShownWithAPeriodAndThePartialPageStays) {
  ConvertCases::FailurePartWayKeepsThePage(*this);
}

TEST_F(WinWindow, EnterInTheListsPressesOkUnlessItOpensAnotherFolder) {
  Select("letter.rtf");
  PressKey(form->FileListBox1->Handle(), VK_RETURN);
  EXPECT_TRUE(DeleteFileA((folder / "letter.htm").c_str()));

  // On the current folder Enter goes to OK; on another folder it opens that folder.
  const HWND folders = form->DirectoryListBox1->Handle();
  PressKey(folders, VK_RETURN);
  EXPECT_TRUE(TWinTestFolder::Exists(folder / "letter.htm"));
  const auto sub =
      SendMessageA(folders, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("sub"));
  ASSERT_NE(sub, LB_ERR);
  SendMessageA(folders, LB_SETCURSEL, static_cast<WPARAM>(sub), 0);
  PressKey(folders, VK_RETURN);
  EXPECT_EQ(form->DirectoryListBox1->Directory(), folder / "sub");
  EXPECT_EQ(form->FileListBox1->Directory(), folder / "sub");

  // A double click on the folder above opens it as well.
  SendMessageA(folders, LB_SETCURSEL, SendMessageA(folders, LB_GETCOUNT, 0, 0) - 2, 0);
  SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(folders), LBN_DBLCLK),
               reinterpret_cast<LPARAM>(folders));
  EXPECT_EQ(form->FileListBox1->Directory(), folder.Path());
  EXPECT_TRUE(errors.Shown.empty());
}

TEST_F(WinWindow, FolderListShowsThePathDownToTheFolderAndItsSubfoldersIndented) {
  folder.Write("sub\\x.rtf", "x");
  CreateDirectoryA((folder / "Alpha").c_str(), nullptr);
  CreateDirectoryA((folder / "hidden").c_str(), nullptr);
  SetFileAttributesA((folder / "hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
  form->DirectoryListBox1->SetDirectory(folder / "sub");
  form->DirectoryListBox1->SetDirectory(folder.Path());
  const auto& entries = form->DirectoryListBox1->Entries();
  ASSERT_GE(entries.size(), 4u);
  const std::size_t current = entries.size() - 3;
  EXPECT_EQ(entries[0].Text, folder.Path().substr(0, 3));  // the drive's root, "C:\"
  EXPECT_EQ(entries[current].Picture, FileCtrl::TPicture::FolderCurrent);
  EXPECT_EQ(entries[current + 1].Text, "Alpha");
  EXPECT_EQ(entries[current + 2].Text, "sub");
  EXPECT_EQ(entries[current + 2].Depth, entries[current].Depth + 1);
  EXPECT_EQ(entries[current].Depth, static_cast<int>(current));
  EXPECT_EQ(SendMessageA(form->DirectoryListBox1->Handle(), LB_GETCURSEL, 0, 0),
            static_cast<LRESULT>(current));
}

TEST_F(WinWindow, FileListShowsVisibleFilesSortedWithoutFoldersAndReadsOnlyOnAFolderChange) {
  for (const char* name : {"b.txt", "A.rtf", "hidden.rtf", "system.rtf", "readonly.rtf"})
    folder.Write(name, "x");
  SetFileAttributesA((folder / "hidden.rtf").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesA((folder / "system.rtf").c_str(), FILE_ATTRIBUTE_SYSTEM);
  SetFileAttributesA((folder / "readonly.rtf").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  const HWND list = form->FileListBox1->Handle();
  EXPECT_EQ(Items(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT), std::vector<std::string>{"letter.rtf"});
  Select("letter.rtf");
  form->FileListBox1->SetDirectory(folder.Path());  // the same folder: not read again, the selection stays
  EXPECT_EQ(form->FileListBox1->FileName(), folder / "letter.rtf");
  Reread();
  EXPECT_EQ(Items(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT),
            (std::vector<std::string>{"A.rtf", "b.txt", "letter.rtf", "readonly.rtf"}));
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_TRUE(form->FileListBox1->FileName().empty());
  SetFileAttributesA((folder / "readonly.rtf").c_str(),
                     FILE_ATTRIBUTE_NORMAL);  // so the folder can be removed
}

TEST_F(WinWindow, SelectFileSelectsTheListedNameOnlyAndTheWindowHasItsIcon) {
  const HWND list = form->FileListBox1->Handle();
  ASSERT_TRUE(form->FileListBox1->SelectFile("letter.rtf"));
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(form->FileListBox1->FileName(), folder / "letter.rtf");
  EXPECT_FALSE(form->FileListBox1->SelectFile("missing.rtf"));
  EXPECT_EQ(form->FileListBox1->FileName(), folder / "letter.rtf");
  EXPECT_NE(GetClassLongPtrA(form->Handle(), GCLP_HICON), 0);
}

TEST_F(WinWindow, DriveBoxListsWinesDrivesInLetterOrderAndStartsOnTheCurrentOne) {
  const auto items = Items(form->DriveComboBox1->Handle(), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
  ASSERT_GE(items.size(), 2u);  // a Wine prefix has c: and z: at least
  EXPECT_EQ(items.front().substr(0, 2), "c:");
  EXPECT_EQ(items.back().substr(0, 2), "z:");
  for (std::size_t i = 1; i < items.size(); ++i) EXPECT_LT(items[i - 1], items[i]);
  for (const std::string& item : items) EXPECT_TRUE(item.size() == 2 || item[2] == ' ') << item;
  // A fixed drive shows its label in brackets, an empty label as "[]".
  EXPECT_EQ(items.front().substr(2, 2), " [") << items.front();
  EXPECT_EQ(items.front().back(), ']') << items.front();
  EXPECT_EQ(SendMessageA(form->DriveComboBox1->Handle(), CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(form->DriveComboBox1->Drive(), "C:\\");
}

TEST_F(WinWindow, PickingAnotherDriveMovesBothListsAndComingBackReturnsToTheFolder) {
  const HWND box = form->DriveComboBox1->Handle();
  const auto pick = [&](LRESULT index) {
    SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box));
  };
  pick(SendMessageA(box, CB_GETCOUNT, 0, 0) - 1);  // z:, the Linux root
  EXPECT_EQ(form->DirectoryListBox1->Directory(), "Z:\\");
  EXPECT_EQ(form->FileListBox1->Directory(), "Z:\\");
  pick(0);
  EXPECT_EQ(form->DirectoryListBox1->Directory(), folder.Path());
  EXPECT_EQ(form->FileListBox1->Directory(), folder.Path());
  EXPECT_TRUE(errors.Shown.empty());
}

TEST_F(WinWindow, ADriveThatCannotBeReadIsShownAndBothListsKeepTheirFolder) {
  auto drives = form->DriveComboBox1->Drives();
  drives.push_back({"Q:\\", FileCtrl::TDriveType::Removable, "", ""});
  form->DriveComboBox1->SetDrives(drives);
  const HWND box = form->DriveComboBox1->Handle();
  SendMessageA(box, CB_SETCURSEL, drives.size() - 1, 0);
  SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(box));
  ASSERT_EQ(errors.Shown.size(), 1u);
  EXPECT_EQ(errors.Shown[0].Text.back(), '.');
  EXPECT_EQ(form->DriveComboBox1->Drive(), "Q:\\");
  EXPECT_EQ(SendMessageA(box, CB_GETCURSEL, 0, 0), static_cast<LRESULT>(drives.size() - 1));
  EXPECT_EQ(form->DirectoryListBox1->Directory(), folder.Path());
  EXPECT_EQ(form->FileListBox1->Directory(), folder.Path());
}
