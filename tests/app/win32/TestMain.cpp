// The Win32 window's tests. The drive box must not ask for disks in drives without a medium.
#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  SetErrorMode(SEM_FAILCRITICALERRORS);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
