// The Win32 window's frame, sizes, font, tab order and default button, and how the program start ends.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "WinTestFolder.h"
#include "pmrform.h"

namespace {

RECT InClient(HWND parent, HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void ExpectBounds(HWND parent, HWND control, int left, int top, int width, int height, const char* name) {
  const RECT rect = InClient(parent, control);
  EXPECT_EQ(rect.left, left) << name;
  EXPECT_EQ(rect.top, top) << name;
  EXPECT_EQ(rect.right - rect.left, width) << name;
  EXPECT_EQ(rect.bottom - rect.top, height) << name;
}

}  // namespace

TEST(WinLayout, FrameClientAreaControlsAndFontAreAsLaidOut) {
  TWinTestFolder folder;
  pmrform::TForm1 form;
  form.Show();
  const HWND window = form.Handle();

  char caption[16] = {};
  GetWindowTextA(window, caption, sizeof caption);
  EXPECT_STREQ(caption, "Form1");
  const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);

  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.left, 188);
  EXPECT_EQ(outer.top, 156);
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 314);
  EXPECT_EQ(client.bottom, 231);

  ExpectBounds(window, form.DriveComboBox1->Handle(), 8, 8, 145, 19, "DriveComboBox1");
  ExpectBounds(window, form.DirectoryListBox1->Handle(), 8, 32, 145, 161, "DirectoryListBox1");
  ExpectBounds(window, form.FileListBox1->Handle(), 160, 8, 145, 185, "FileListBox1");
  ExpectBounds(window, form.ConvBtn->Handle(), 8, 200, 75, 25, "ConvBtn");
  ExpectBounds(window, form.ExitBtn->Handle(), 232, 200, 75, 25, "ExitBtn");
  EXPECT_EQ(SendMessageA(form.DirectoryListBox1->Handle(), LB_GETITEMHEIGHT, 0, 0), 16);
  EXPECT_EQ(SendMessageA(form.FileListBox1->Handle(), LB_GETITEMHEIGHT, 0, 0), 13);

  LOGFONTA font{};
  ASSERT_NE(GetObjectA(reinterpret_cast<HFONT>(SendMessageA(form.FileListBox1->Handle(), WM_GETFONT, 0, 0)),
                       sizeof font, &font),
            0);
  EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
  EXPECT_EQ(font.lfHeight, -11);

  char exitCaption[32] = {};
  GetWindowTextA(form.ExitBtn->Handle(), exitCaption, sizeof exitCaption);
  EXPECT_STREQ(exitCaption,
               "&Schlie\xDF"
               "en");
}

TEST(WinLayout, TabOrderFollowsTheFieldsAndOkIsTheDefaultButton) {
  TWinTestFolder folder;
  pmrform::TForm1 form;
  form.Show();
  Forms::ProcessMessages();
  EXPECT_EQ(GetFocus(), form.DirectoryListBox1->Handle());
  const std::vector<HWND> order = {form.DirectoryListBox1->Handle(), form.FileListBox1->Handle(),
                                   form.DriveComboBox1->Handle(),    form.ConvBtn->Handle(),
                                   form.ExitBtn->Handle(),           form.DirectoryListBox1->Handle()};
  for (std::size_t i = 1; i < order.size(); ++i)
    EXPECT_EQ(GetNextDlgTabItem(form.Handle(), order[i - 1], FALSE), order[i]) << "after control " << i - 1;
  const auto defaultId = SendMessageA(form.Handle(), DM_GETDEFID, 0, 0);
  EXPECT_EQ(HIWORD(defaultId), DC_HASDEFID);
  EXPECT_EQ(static_cast<int>(LOWORD(defaultId)), GetDlgCtrlID(form.ConvBtn->Handle()));
}

namespace {

void (*gCloseAction)() = nullptr;

void CALLBACK RunCloseAction(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (pmrform::Form1 != nullptr) gCloseAction();
}

// Runs the program start while the action closes its window, from a timer once the loop runs.
int RunClosedBy(void (*close)()) {
  gCloseAction = close;
  SetTimer(nullptr, 0, 10, RunCloseAction);
  return pmrform::RunMainWindow();
}

struct TSeenBox {
  HWND Box = nullptr;
  char Text[64] = {};
  bool StopIcon = false;
};

BOOL CALLBACK ReadBoxChild(HWND child, LPARAM data) {
  auto& seen = *reinterpret_cast<TSeenBox*>(data);
  const auto icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
  if (icon != nullptr && icon == LoadIconA(nullptr, IDI_HAND)) seen.StopIcon = true;
  char text[64] = {};
  GetWindowTextA(child, text, sizeof text);
  if (std::string(text).find("Fehler") != std::string::npos) lstrcpynA(seen.Text, text, sizeof seen.Text);
  return TRUE;
}

// Finds the box, reads it and presses its button.
DWORD WINAPI WatchForBox(void* data) {
  auto& seen = *static_cast<TSeenBox*>(data);
  for (int i = 0; i < 500 && seen.Box == nullptr; ++i) {
    Sleep(10);
    seen.Box = FindWindowA("#32770", "pelmora_window_win_tests");
  }
  if (seen.Box == nullptr) return 1;
  EnumChildWindows(seen.Box, ReadBoxChild, reinterpret_cast<LPARAM>(&seen));
  PostMessageA(seen.Box, WM_COMMAND, IDOK, 0);
  return 0;
}

}  // namespace

TEST(WinProgramStart, EndsWithExitCodeZeroByCloseBoxOrAccessKey) {
  TWinTestFolder folder;
  EXPECT_EQ(RunClosedBy([] { PostMessageA(pmrform::Form1->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }), 0);
  EXPECT_EQ(pmrform::Form1, nullptr);
  // Alt+S reaches the focused control as a system character; the access key of "&Schließen" presses it.
  EXPECT_EQ(RunClosedBy([] { PostMessageA(GetFocus(), WM_SYSCHAR, 's', 1 << 29); }), 0);
}

TEST(WinErrorBox, IsAStopBoxCaptionedWithTheProgramsTitle) {
  TWinTestFolder folder;
  folder.Write("page.htm", "x");
  pmrform::TForm1 form;
  form.Show();
  SendMessageA(form.FileListBox1->Handle(), LB_SETCURSEL, 0, 0);

  // A second thread reads the box and presses its button while this one waits in the box.
  TSeenBox seen;
  const HANDLE watcher = CreateThread(nullptr, 0, WatchForBox, &seen, 0, nullptr);
  ASSERT_NE(watcher, nullptr);
  SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(form.ConvBtn->Handle()), BN_CLICKED),
               reinterpret_cast<LPARAM>(form.ConvBtn->Handle()));
  WaitForSingleObject(watcher, 10000);
  CloseHandle(watcher);
  ASSERT_NE(seen.Box, nullptr);
  EXPECT_STREQ(seen.Text, "I/O-Fehler 32.");
  EXPECT_TRUE(seen.StopIcon);
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
}
