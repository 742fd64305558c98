#include "Forms.h"

#include <QApplication>
#include <QMessageBox>
#include <QStringDecoder>

#include <cctype>
#include <utility>

#include "Exception.h"
#include "PageRules.h"

namespace Forms {

namespace {

TExceptionReporter& Reporter() {
  static TExceptionReporter reporter;
  return reporter;
}

void ShowStopBox(const std::string& caption, const std::string& text) {
  // No parent: the box belongs to the application, and application-modal keeps every window disabled meanwhile.
  QMessageBox box(QMessageBox::Critical, ToQString(caption), ToQString(text), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace

std::string TitleFromFileName(std::string_view path) {
  if (const auto slash = path.find_last_of('/'); slash != std::string_view::npos) path.remove_prefix(slash + 1);
  if (const auto dot = path.find('.'); dot != std::string_view::npos) path = path.substr(0, dot);
  std::string title(path);
  // The first character stays as the file name has it; only the rest is folded.
  for (std::size_t i = 1; i < title.size(); ++i) {
    title[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(title[i])));
  }
  return title;
}

std::string ApplicationTitle() {
  if (QCoreApplication::instance() == nullptr) return {};
  return TitleFromFileName(QCoreApplication::applicationFilePath().toStdString());
}

TExceptionReporter SetExceptionReporter(TExceptionReporter reporter) {
  return std::exchange(Reporter(), std::move(reporter));
}

void ShowException(const std::exception& error) noexcept {
  try {
    const auto* own = dynamic_cast<const rtl::Exception*>(&error);
    const std::string text = PageRules::MessageWithPeriod(own != nullptr ? std::string_view(own->Message()) : error.what());
    const std::string caption = ApplicationTitle();
    if (Reporter())
      Reporter()(caption, text);
    else
      ShowStopBox(caption, text);
  } catch (...) {
    // Reporting must never end the program; an error box that cannot be shown is dropped.
  }
}

QString ToQString(std::string_view bytes) {
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  const auto data = QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QString text = utf8(data);
  if (!utf8.hasError()) return text;
  return QString::fromLatin1(data);
}

}  // namespace Forms
