// The Qt toolkit's form, the event loop, the application's title and the stop box.
#include "TFormQt.h"

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMessageBox>
#include <QStringDecoder>

#include "Forms.h"

namespace Forms {

TForm::TForm(const char* name) : QDialog(nullptr) {
  setObjectName(QString::fromLatin1(name));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                 Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  // The program's icon, the one pelmora.exe carries (sizes 16, 32 and 48), for the title bar and task bar.
  setWindowIcon(QIcon(QStringLiteral(":/pelmora/pelmora.ico")));
}

void TForm::SetCaption(const std::string& caption) {
  setWindowTitle(ToQString(caption));
}

void TForm::SetFont(const char* face, int height) {
  QFont font;
  font.setFamilies({QString::fromLatin1(face), QStringLiteral("Microsoft Sans Serif"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                    QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(height < 0 ? -height : height);
  setFont(font);
}

void TForm::SetPosition(int left, int top) {
  move(left, top);
}

void TForm::SetClientSize(int width, int height) {
  setFixedSize(width, height);
}

void TForm::FocusControl(QWidget* control) {
  control->setFocus();
}

void TForm::Show() {
  show();
}

void TForm::keyPressEvent(QKeyEvent* event) {
  // Escape would reject the dialog, and so close the program; this window has no cancel button.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->ignore();
    return;
  }
  QDialog::keyPressEvent(event);
}

void RunEventLoop() {
  QApplication::exec();
}

QString ToQString(std::string_view bytes) {
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  const auto data = QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QString text = utf8(data);
  if (!utf8.hasError()) return text;
  return QString::fromLatin1(data);
}

std::string ApplicationTitle() {
  if (QCoreApplication::instance() == nullptr) return {};
  return TitleFromFileName(QCoreApplication::applicationFilePath().toStdString());
}

namespace detail {

void ShowStopBox(const std::string& caption, const std::string& text) {
  // No parent: the box belongs to the application, and application-modal keeps every window disabled
  // meanwhile.
  QMessageBox box(QMessageBox::Critical, ToQString(caption), ToQString(text), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace detail

}  // namespace Forms
