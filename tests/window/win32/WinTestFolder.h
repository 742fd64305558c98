#pragma once
// A folder of its own below the Windows temporary folder that is the process's current folder while it lives,
// with helpers to fill and read it; removed with its files afterwards.

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

class TWinTestFolder {
 public:
  TWinTestFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    FPath = std::string(temp) + "pelmora-window-" + std::to_string(GetCurrentProcessId()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name();
    CreateDirectoryA(FPath.c_str(), nullptr);
    CreateDirectoryA((*this / "sub").c_str(), nullptr);
    SetCurrentDirectoryA(FPath.c_str());
  }
  ~TWinTestFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    SetCurrentDirectoryA(temp);
    Remove(FPath);
  }
  TWinTestFolder(const TWinTestFolder&) = delete;
  TWinTestFolder& operator=(const TWinTestFolder&) = delete;

  const std::string& Path() const { return FPath; }
  std::string operator/(const std::string& name) const { return FPath + "\\" + name; }

  void Write(const std::string& name, const std::string& contents) const {
    std::ofstream(*this / name, std::ios::binary) << contents;
  }
  static std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }
  static bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  }

 private:
  static void Remove(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          Remove(folder + "\\" + name);
        else
          DeleteFileA((folder + "\\" + name).c_str());
      } while (FindNextFileA(search, &entry));
      FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
  }

  std::string FPath;
};
