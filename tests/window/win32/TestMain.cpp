// The Win32 window's tests. The drive box must not ask for disks in drives without a medium.
#include <gtest/gtest.h>
#include <windows.h>

namespace {

// Without a window manager on the test's X server, Wine would wait a second for one at each window that
// disappears; windows it does not hand to a manager need no such wait. Read when the first window is made.
void UnmanagedWindowsUnderWine() {
  if (GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") == nullptr) return;  // real Windows
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\X11 Driver", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &key, nullptr) != ERROR_SUCCESS)
    return;
  RegSetValueExA(key, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
  RegCloseKey(key);
}

}  // namespace

int main(int argc, char** argv) {
  SetErrorMode(SEM_FAILCRITICALERRORS);
  UnmanagedWindowsUnderWine();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
