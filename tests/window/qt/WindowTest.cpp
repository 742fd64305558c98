#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <filesystem>
#include <memory>

#include "ConvertCases.h"
#include "ErrorCapture.h"
#include "TestFolder.h"
#include "pmrconv.h"
#include "pmrform.h"

namespace {

const char* const kLetter = "{\\rtf1\\ansi Hello letter}";

class Window : public ::testing::Test {
public:
  void SetUp() override {
    folder.Write("letter.rtf", kLetter);
    folder.MakeFolder("sub");
    form = std::make_unique<pmrform::TForm1>();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }

  void Select(const char* name) {
    const auto found = form->FileListBox1->findItems(QString::fromUtf8(name), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    form->FileListBox1->setCurrentItem(found.front());
  }

  void PressConvert() { QTest::mouseClick(form->ConvBtn, Qt::LeftButton); }

  // The file list shows new files only after it has been away from its folder.
  void Reread() {
    form->FileListBox1->SetDirectory(folder / "sub");
    form->FileListBox1->SetDirectory(folder.Path());
  }

  TTestFolder folder;
  TErrorCapture errors;
  std::unique_ptr<pmrform::TForm1> form;
};

}  // namespace

TEST_F(Window, ConvertWritesThePageBesideTheSelectedFileAndSaysNothing) {
  Select("letter.rtf");
  PressConvert();
  EXPECT_TRUE(errors.Shown.empty());
  // The page is the converter's for that document, titled with the source's full path.
  pmrconv::TConversionContext fresh;  // the page as a program run would write it first
  EXPECT_EQ(TTestFolder::Read(folder / "letter.htm"), pmrconv::ConvertText(fresh, kLetter, folder / "letter.rtf"));
  // The list is not refreshed after a conversion.
  EXPECT_TRUE(form->FileListBox1->findItems(QStringLiteral("letter.htm"), Qt::MatchExactly).isEmpty());
}

TEST_F(Window, APressWithNothingSelectedIsIgnored) {
  PressConvert();
  EXPECT_TRUE(errors.Shown.empty());
  EXPECT_FALSE(std::filesystem::exists(folder / "htm"));
  EXPECT_FALSE(std::filesystem::exists("htm"));
}

TEST_F(Window, APageAsSourceIsItsOwnDestinationAndStaysUnchanged) {
  ConvertCases::PageAsSourceIsRefused(*this, "pelmora_window_tests");
}

TEST_F(Window, AnErrorPartWayIsShownAndThePartialPageStays) {
  ConvertCases::FailurePartWayKeepsThePage(*this);

  // The window stays usable.
  Select("letter.rtf");
  PressConvert();
  EXPECT_EQ(errors.Shown.size(), 1u);
  EXPECT_TRUE(std::filesystem::exists(folder / "letter.htm"));
}

TEST_F(Window, EnterInEitherListPressesConvert) {
  Select("letter.rtf");
  QTest::keyClick(form->FileListBox1, Qt::Key_Return);
  EXPECT_TRUE(std::filesystem::remove(folder / "letter.htm"));

  form->DirectoryListBox1->setFocus();
  QTest::keyClick(form->DirectoryListBox1, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_TRUE(std::filesystem::exists(folder / "letter.htm"));
  EXPECT_TRUE(errors.Shown.empty());
}

TEST_F(Window, OpeningAFolderShowsItsFilesAndMakesItCurrent) {
  folder.Write("sub/inner.rtf", "x");
  auto& dirs = *form->DirectoryListBox1;
  const auto found = dirs.findItems(QStringLiteral("sub"), Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1);
  const QPoint centre = dirs.visualItemRect(found.front()).center();
  QTest::mouseClick(dirs.viewport(), Qt::LeftButton, {}, centre);
  QTest::mouseDClick(dirs.viewport(), Qt::LeftButton, {}, centre);
  EXPECT_EQ(form->FileListBox1->Directory(), folder / "sub");
  EXPECT_EQ(form->FileListBox1->count(), 1);
  EXPECT_EQ(std::filesystem::current_path(), folder / "sub");
}

TEST_F(Window, ADriveThatCannotBeReadKeepsBothListsOnTheirFolder) {
  auto& drives = *form->DriveComboBox1;
  std::vector<FileCtrl::TDrive> list = drives.Drives();
  list.push_back({"/pelmora-missing-drive", FileCtrl::TDriveType::Removable, "", ""});
  drives.SetDrives(list);

  QTest::keyClick(&drives, Qt::Key_End);  // picks the new, last entry
  ASSERT_EQ(errors.Shown.size(), 1u);
  EXPECT_EQ(errors.Shown[0].Text, "Ungültiger Dateiname.");
  EXPECT_EQ(drives.currentIndex(), static_cast<int>(list.size()) - 1);
  EXPECT_EQ(form->DirectoryListBox1->Directory(), folder.Path());
  EXPECT_EQ(form->FileListBox1->Directory(), folder.Path());
  EXPECT_EQ(form->FileListBox1->count(), 1);
}

TEST_F(Window, AnotherDriveMovesBothListsAndComingBackReturnsToTheFolder) {
  TTestFolder other;
  other.Write("away.rtf", "x");
  std::filesystem::current_path(folder.Path());
  auto& drives = *form->DriveComboBox1;
  std::vector<FileCtrl::TDrive> list = drives.Drives();
  list.push_back({other.Path(), FileCtrl::TDriveType::Fixed, "", ""});
  drives.SetDrives(list);
  const std::string home = drives.Drive();

  drives.SetDrive(other.Path());
  EXPECT_EQ(form->DirectoryListBox1->Directory(), other.Path());
  EXPECT_EQ(form->FileListBox1->Directory(), other.Path());
  drives.SetDrive(home);
  EXPECT_EQ(form->DirectoryListBox1->Directory(), folder.Path());
  EXPECT_EQ(form->FileListBox1->count(), 1);
  EXPECT_TRUE(errors.Shown.empty());
}

TEST_F(Window, SelectFileTakesOnlyAListedNameAndKeepsTheSelectionOtherwise) {
  folder.Write("b.rtf", kLetter);
  Reread();
  ASSERT_TRUE(form->FileListBox1->SelectFile("b.rtf"));
  EXPECT_EQ(std::filesystem::path(form->FileListBox1->FileName()), std::filesystem::path(folder / "b.rtf"));
  EXPECT_FALSE(form->FileListBox1->SelectFile("B.RTF"));
  EXPECT_FALSE(form->FileListBox1->SelectFile("sub"));
  EXPECT_EQ(std::filesystem::path(form->FileListBox1->FileName()), std::filesystem::path(folder / "b.rtf"));
}

TEST_F(Window, CarriesTheProgramIcon) {
  EXPECT_FALSE(form->windowIcon().availableSizes().isEmpty());
}

TEST_F(Window, TabOrderAndDefaultButtonFollowTheLayout) {
  EXPECT_TRUE(form->ConvBtn->isDefault());
  const std::vector<QWidget*> order = {form->DirectoryListBox1, form->FileListBox1, form->DriveComboBox1,
                                       form->ConvBtn, form->ExitBtn, form->DirectoryListBox1};
  for (QWidget* expected : order) {
    EXPECT_EQ(QApplication::focusWidget(), expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  QTest::keyClick(form.get(), Qt::Key_Escape);
  EXPECT_TRUE(form->isVisible());
}

TEST(ErrorBox, IsAnApplicationModalStopBoxWithOneOkButton) {
  TTestFolder folder;
  folder.Write("page.htm", "x");
  pmrform::TForm1 form;
  form.show();
  form.FileListBox1->setCurrentRow(0);

  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString title, text;
  qsizetype buttons = 0;
  Qt::WindowModality modality = Qt::NonModal;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    icon = box->icon();
    title = box->windowTitle();
    text = box->text();
    buttons = box->buttons().size();
    modality = box->windowModality();
    box->button(QMessageBox::Ok)->click();
  });
  form.ConvBtn->click();
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(title, QStringLiteral("pelmora_window_tests"));
  EXPECT_EQ(text, QStringLiteral("I/O-Fehler 32."));
  EXPECT_EQ(buttons, 1);
  EXPECT_EQ(modality, Qt::ApplicationModal);
  EXPECT_TRUE(form.isVisible());
}

namespace {

// Runs the program start while the action closes its window; fails the test if the window is still open later.
int RunClosedBy(void (*close)(), const std::string& fileToSelect = {}) {
  QTimer::singleShot(0, close);
  bool stillOpen = false;
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&stillOpen] {
    stillOpen = true;
    QApplication::closeAllWindows();
  });
  watchdog.start(5000);
  const int code = pmrform::RunMainWindow(fileToSelect);
  EXPECT_FALSE(stillOpen);
  EXPECT_EQ(pmrform::Form1, nullptr);
  return code;
}

}  // namespace

TEST(ProgramStart, SelectsTheFileItIsGivenAndNothingForAMissingOne) {
  TTestFolder folder;
  folder.Write("a.rtf", kLetter);
  folder.Write("letter.rtf", kLetter);
  static std::string selected;
  const auto takeSelectionAndClose = [] {
    selected = pmrform::Form1->FileListBox1->FileName();
    pmrform::Form1->windowHandle()->close();
  };
  EXPECT_EQ(RunClosedBy(takeSelectionAndClose, "letter.rtf"), 0);
  EXPECT_EQ(std::filesystem::path(selected), std::filesystem::path(folder / "letter.rtf"));
  EXPECT_EQ(RunClosedBy(takeSelectionAndClose, "missing.rtf"), 0);
  EXPECT_EQ(selected, "");
}

TEST(ProgramStart, EndsWithExitCodeZeroHoweverTheWindowIsClosed) {
  TTestFolder folder;
  {
    SCOPED_TRACE("close box");
    EXPECT_EQ(RunClosedBy([] { pmrform::Form1->windowHandle()->close(); }), 0);
  }
  {
    SCOPED_TRACE("close button");
    EXPECT_EQ(RunClosedBy([] { QTest::mouseClick(pmrform::Form1->ExitBtn, Qt::LeftButton); }), 0);
  }
  {
    SCOPED_TRACE("access key of the close button");
    EXPECT_EQ(RunClosedBy([] {
                pmrform::Form1->activateWindow();
                if (QTest::qWaitForWindowActive(pmrform::Form1))
                  QTest::keyClick(pmrform::Form1, Qt::Key_S, Qt::AltModifier);
              }),
              0);
  }
}
