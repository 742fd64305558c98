// pelmora: the converter window.
#include <QApplication>

#include "Forms.h"
#include "pmrform.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  try {
    return pmrform::RunMainWindow();
  } catch (const std::exception& error) {
    // The window could not be built, e.g. the current folder cannot be read: say why, and end as a failure.
    Forms::ShowException(error);
    return 1;
  }
}
