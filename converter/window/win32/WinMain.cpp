// pelmora.exe: the converter window.
#include <windows.h>

#include "Forms.h"
#include "pmrform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // A drive without its medium is reported as an error of the folder list, not by a system box asking for a
  // disk.
  SetErrorMode(SEM_FAILCRITICALERRORS);
  try {
    return pmrform::RunMainWindow();
  } catch (const std::exception& error) {
    // The window could not be built, e.g. the current folder cannot be read: say why, and end as a failure.
    Forms::ShowException(error);
    return 1;
  }
}
