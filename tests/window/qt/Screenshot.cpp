// Usage: pelmora_screenshot FILE.png — shows the window on the current folder and saves a picture of it.
#include <QApplication>
#include <QPixmap>
#include <QTest>

#include <cstdio>

#include "pmrform.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: pelmora_screenshot FILE.png\n");
    return 2;
  }
  pmrform::TForm1 form;
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;
  // The first file is selected, as a user about to press OK would have it.
  form.FileListBox1->setCurrentRow(0);
  QApplication::processEvents();
  if (!form.grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "pelmora_screenshot: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
