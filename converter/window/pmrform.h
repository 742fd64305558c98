#pragma once
// The converter's window: pick a drive, a folder and a file, and press OK to write the HTML page beside the
// file. Written once; the form and its controls come from the toolkit of the platform (qt/ or win32/).

#include <string>

// The toolkit's controls header (FileCtrlQt.h or FileCtrlWin32.h, with its form), named by the toolkit that
// the window's CMake target is built with.
#include PELMORA_WINDOW_CONTROLS
#include "pmrconv.h"

namespace pmrform {

class TForm1 : public Forms::TForm {
 public:
  // Builds the window on the process's current folder; raises the file error when that cannot be read.
  TForm1();

  // Children of the window, which owns and frees them.
  FileCtrl::TDirectoryListBox* DirectoryListBox1;
  FileCtrl::TFileListBox* FileListBox1;
  FileCtrl::TDriveComboBox* DriveComboBox1;
  FileCtrl::TBitBtn* ConvBtn;
  FileCtrl::TBitBtn* ExitBtn;

  // Shows the folder list's folder in the file list.
  void DirectoryListBox1Change();
  // Moves the folder list to the picked drive's last folder.
  void DriveComboBox1Change();
  // Converts the selected file into the page beside it; a press with nothing selected does nothing.
  void ConvBtnClick();

 private:
  // Lives as long as the window, which is the program: the fonts of one document stay known to the next.
  pmrconv::TConversionContext FConversion;
};

// The window, created once by the program start; null before and after.
extern TForm1* Form1;

// The program start: creates Form1 on the current folder, selects the file named fileToSelect there when it is
// listed, shows the window and runs the event loop until it is closed. Returns the exit code, which is 0. Needs
// the toolkit's application (Qt: the QApplication).
int RunMainWindow(const std::string& fileToSelect = {});

}  // namespace pmrform
