#include "pmrform.h"

#include <QApplication>
#include <QFont>
#include <QKeyEvent>

#include <memory>

#include "PageRules.h"
#include "pmrconv.h"

namespace pmrform {

TForm1* Form1 = nullptr;

namespace {

// The 8 point sans-serif of the original layout at 96 pixels per inch, or the closest one installed.
QFont WindowFont() {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}

}  // namespace

TForm1::TForm1() : QDialog(nullptr) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Form1"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFont(WindowFont());
  setFixedSize(314, 231);
  move(188, 156);

  // Created in tab order, which Qt's focus chain follows.
  DirectoryListBox1 = new FileCtrl::TDirectoryListBox(this);
  DirectoryListBox1->setGeometry(8, 32, 145, 161);
  FileListBox1 = new FileCtrl::TFileListBox(this);
  FileListBox1->setGeometry(160, 8, 145, 185);
  DriveComboBox1 = new FileCtrl::TDriveComboBox(this);
  DriveComboBox1->setGeometry(8, 8, 145, 19);
  ConvBtn = new FileCtrl::TBitBtn(this, FileCtrl::TBitBtnKind::OK);
  ConvBtn->setGeometry(8, 200, 75, 25);
  ExitBtn = new FileCtrl::TBitBtn(this, FileCtrl::TBitBtnKind::Close);
  ExitBtn->setGeometry(232, 200, 75, 25);
  setTabOrder(DirectoryListBox1, FileListBox1);
  setTabOrder(FileListBox1, DriveComboBox1);
  setTabOrder(DriveComboBox1, ConvBtn);
  setTabOrder(ConvBtn, ExitBtn);
  DirectoryListBox1->setFocus();

  DirectoryListBox1->OnChange = [this] { DirectoryListBox1Change(); };
  DriveComboBox1->OnChange = [this] { DriveComboBox1Change(); };
  ConvBtn->OnClick = [this] { ConvBtnClick(); };
}

void TForm1::DirectoryListBox1Change() { FileListBox1->SetDirectory(DirectoryListBox1->Directory()); }

void TForm1::DriveComboBox1Change() {
  DirectoryListBox1->SetDrive(DriveComboBox1->Drive());
  FileListBox1->SetDirectory(DirectoryListBox1->Directory());
}

void TForm1::ConvBtnClick() {
  const std::string source = FileListBox1->FileName();
  if (source.empty()) return;
  pmrconv::ConvertFile(source, PageRules::PageNameFor(source));
}

void TForm1::keyPressEvent(QKeyEvent* event) {
  // Escape would reject the dialog, and so close the program; this window has no cancel button.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->ignore();
    return;
  }
  QDialog::keyPressEvent(event);
}

int RunMainWindow() {
  auto window = std::make_unique<TForm1>();
  Form1 = window.get();
  Form1->show();
  QApplication::exec();
  Form1 = nullptr;
  return 0;
}

}  // namespace pmrform
