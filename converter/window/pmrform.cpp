#include "pmrform.h"

#include <memory>

#include "PathNames.h"
#include "pmrconv.h"

namespace pmrform {

TForm1* Form1 = nullptr;

TForm1::TForm1() : Forms::TForm("Form1") {
  SetCaption("Form1");
  SetFont("MS Sans Serif", -11);
  SetPosition(188, 156);
  SetClientSize(314, 231);

  // Created in tab order, which is also the order of the fields; both toolkits' focus chains follow creation.
  DirectoryListBox1 = Create<FileCtrl::TDirectoryListBox>();
  DirectoryListBox1->SetBounds(8, 32, 145, 161);
  DirectoryListBox1->SetItemHeight(16);
  FileListBox1 = Create<FileCtrl::TFileListBox>();
  FileListBox1->SetBounds(160, 8, 145, 185);
  FileListBox1->SetItemHeight(13);
  DriveComboBox1 = Create<FileCtrl::TDriveComboBox>();
  DriveComboBox1->SetBounds(8, 8, 145, 19);
  ConvBtn = Create<FileCtrl::TBitBtn>(FileCtrl::TBitBtnKind::OK);
  ConvBtn->SetBounds(8, 200, 75, 25);
  ExitBtn = Create<FileCtrl::TBitBtn>(FileCtrl::TBitBtnKind::Close);
  ExitBtn->SetBounds(232, 200, 75, 25);
  FocusControl(DirectoryListBox1);

  DirectoryListBox1->OnChange = [this] { DirectoryListBox1Change(); };
  DriveComboBox1->OnChange = [this] { DriveComboBox1Change(); };
  ConvBtn->OnClick = [this] { ConvBtnClick(); };
}

void TForm1::DirectoryListBox1Change() {
  FileListBox1->SetDirectory(DirectoryListBox1->Directory());
}

void TForm1::DriveComboBox1Change() {
  DirectoryListBox1->SetDrive(DriveComboBox1->Drive());
  FileListBox1->SetDirectory(DirectoryListBox1->Directory());
}

void TForm1::ConvBtnClick() {
  const std::string source = FileListBox1->FileName();
  if (source.empty()) return;
  pmrconv::ConvertFile(FConversion, source, PathNames::PageNameFor(source));
}

int RunMainWindow(const std::string& fileToSelect) {
  auto window = std::make_unique<TForm1>();
  Form1 = window.get();
  if (!fileToSelect.empty()) Form1->FileListBox1->SelectFile(fileToSelect);
  Form1->Show();
  Forms::RunEventLoop();
  Form1 = nullptr;
  return 0;
}

}  // namespace pmrform
