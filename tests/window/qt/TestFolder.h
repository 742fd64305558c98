#pragma once
// A temporary folder that is the process's current folder while it lives, with helpers to fill and read it.

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TTestFolder {
public:
  TTestFolder() : FPrevious(std::filesystem::current_path()), FRoot(FDir.path().toStdString()) {
    std::filesystem::current_path(FRoot);
  }
  ~TTestFolder() {
    std::error_code ignored;
    std::filesystem::current_path(FPrevious, ignored);
  }
  TTestFolder(const TTestFolder&) = delete;
  TTestFolder& operator=(const TTestFolder&) = delete;

  const std::string& Path() const { return FRoot; }
  std::string operator/(const std::string& name) const { return FRoot + "/" + name; }

  void Write(const std::string& name, const std::string& contents) const {
    std::ofstream(*this / name, std::ios::binary) << contents;
  }
  void MakeFolder(const std::string& name) const { std::filesystem::create_directories(*this / name); }

  static std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }

private:
  std::filesystem::path FPrevious;
  QTemporaryDir FDir;
  std::string FRoot;
};
