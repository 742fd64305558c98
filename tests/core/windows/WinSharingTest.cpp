// The Win32 file layer under the system's own sharing rules: the converter's files let other readers in and keep
// writers out, files that others hold open are refused with code 32, and Win32 error codes reach the runtime's
// messages.

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/FileIO.h"
#include "pmrconv.h"

namespace pmrconv {
namespace {

// A folder of its own below the Windows temporary folder, removed afterwards.
class WinFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
    FDir = std::string(temp) + "pmrconv-win-" + std::to_string(GetCurrentProcessId()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
    ASSERT_TRUE(CreateDirectoryA(FDir.c_str(), nullptr));
    Write(Path("a.rtf"), "{\\rtf1 Hello}\r\n");
  }
  void TearDown() override {
    for (const char* name : {"a.rtf", "b.htm", "busy.htm"}) DeleteFileA(Path(name).c_str());
    RemoveDirectoryA(FDir.c_str());
  }

  std::string Path(const std::string& name) const { return FDir + "\\" + name; }
  static void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  std::string FDir;
};

// A handle as another program would hold it; closed at the end of its scope.
class TForeignHandle {
public:
  TForeignHandle(const std::string& path, DWORD access, DWORD share)
      : FHandle(CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)),
        FError(FHandle == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS) {}
  TForeignHandle(const TForeignHandle&) = delete;
  TForeignHandle& operator=(const TForeignHandle&) = delete;
  ~TForeignHandle() {
    if (FHandle != INVALID_HANDLE_VALUE) CloseHandle(FHandle);
  }
  // ERROR_SUCCESS when the handle could be opened, otherwise the system's code.
  DWORD Error() const { return FError; }

private:
  HANDLE FHandle;
  DWORD FError;
};

// The code of the EInOutError that Action raised, or 0.
template <class Action>
int ErrorCodeOf(Action action) {
  try {
    action();
  } catch (const EInOutError& e) {
    return e.ErrorCode();
  }
  return 0;
}

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

TEST_F(WinFileTest, OpenFilesLetReadersInAndKeepWritersOut) {
  const platform::TFileHandle source = platform::OpenSource(Path("a.rtf"));
  const platform::TFileHandle dest = platform::CreateDestination(Path("b.htm"), source);
  for (const char* name : {"a.rtf", "b.htm"}) {
    EXPECT_EQ(TForeignHandle(Path(name), GENERIC_READ, kShareAll).Error(), DWORD{ERROR_SUCCESS}) << name;
    EXPECT_EQ(TForeignHandle(Path(name), GENERIC_WRITE, kShareAll).Error(), DWORD{ERROR_SHARING_VIOLATION}) << name;
  }
  // The source itself as a second destination, while it is open.
  EXPECT_EQ(ErrorCodeOf([&] { platform::CreateDestination(Path("a.rtf"), source); }), 32);
  platform::CloseFile(dest);
  platform::CloseFile(source);
  EXPECT_EQ(TForeignHandle(Path("a.rtf"), GENERIC_WRITE, 0).Error(), DWORD{ERROR_SUCCESS}) << "closed again";
}

TEST_F(WinFileTest, RefusesFilesOthersHoldOpenAndLeavesThemUnchanged) {
  Write(Path("busy.htm"), "keep me");
  {
    const TForeignHandle writer(Path("busy.htm"), GENERIC_WRITE, FILE_SHARE_READ);
    EXPECT_EQ(ErrorCodeOf([&] { ConvertFile(Path("a.rtf"), Path("busy.htm")); }), 32);
    EXPECT_EQ(ErrorCodeOf([&] { ConvertFile(Path("busy.htm"), Path("b.htm")); }), 32) << "a source being written";
  }
  {
    const TForeignHandle reader(Path("busy.htm"), GENERIC_READ, FILE_SHARE_READ);
    EXPECT_EQ(ErrorCodeOf([&] { ConvertFile(Path("a.rtf"), Path("busy.htm")); }), 32);
  }
  EXPECT_EQ(Read(Path("busy.htm")), "keep me");
  {
    const TForeignHandle reader(Path("a.rtf"), GENERIC_READ, FILE_SHARE_READ);
    EXPECT_EQ(ErrorCodeOf([&] { ConvertFile(Path("a.rtf"), Path("b.htm")); }), 0) << "other readers are fine";
  }
}

TEST_F(WinFileTest, ReportsAnInvalidNameAsTheRuntimeDoes) {
  const auto messageOf = [&](const std::string& source, const std::string& dest) -> std::string {
    try {
      ConvertFile(source, dest);
    } catch (const EInOutError& e) {
      return std::to_string(e.ErrorCode()) + " " + e.Message();
    }
    return "no error";
  };
  EXPECT_EQ(messageOf(Path("a<b>.rtf"), Path("b.htm")), "3 Ungültiger Dateiname");  // ERROR_INVALID_NAME
  EXPECT_EQ(messageOf(Path("a.rtf"), Path("b|c.htm")), "3 Ungültiger Dateiname");
}

}  // namespace
}  // namespace pmrconv
