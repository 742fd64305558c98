// The Linux stand-ins: the folder-backed registry and the posix_spawn launcher.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "PosixPlatform.h"

namespace uVoUnInstaller {
namespace {

namespace fs = std::filesystem;

class FolderRegistry : public ::testing::Test {
protected:
  // Root holds the registry folder HKLM and, beside it, a key that no path may reach.
  void SetUp() override {
    Root = fs::temp_directory_path() / ("vouninst-registry-" + std::to_string(getpid()));
    fs::remove_all(Root);
    fs::create_directories(Root / "HKLM" / "SOFTWARE" / "App");
    std::ofstream(Root / "HKLM" / "SOFTWARE" / "App" / "UninstallString", std::ios::binary) << std::string("u.exe\0x", 7);
    fs::create_directories(Root / "Outside");
    std::ofstream(Root / "Outside" / "UninstallString") << "escaped";
    Registry = MakeFolderRegistry(Root / "HKLM");
  }
  void TearDown() override { fs::remove_all(Root); }

  fs::path Root;
  std::unique_ptr<TRegistry> Registry;
};

TEST_F(FolderRegistry, ReadsAValueFileOfAKeyFolder) {
  ASSERT_TRUE(Registry->OpenKey("SOFTWARE\\App"));
  EXPECT_EQ(Registry->ValueSize("UninstallString"), 7u);
  const std::optional<TRegValue> value = Registry->ReadValue("UninstallString", 7);
  ASSERT_TRUE(value);
  EXPECT_EQ(value->Type, kRegSz);
  EXPECT_EQ(value->Data, std::string("u.exe\0x", 7));
  EXPECT_EQ(Registry->ValueSize("Missing"), std::nullopt);
  EXPECT_EQ(Registry->ReadValue("UninstallString", 3), std::nullopt) << "data that changed size";
}

TEST_F(FolderRegistry, OpensNothingOutsideItsRoot) {
  for (const char* path : {"SOFTWARE\\Missing", "..\\Outside", "SOFTWARE\\..\\..\\Outside", "SOFTWARE\\\\App",
                           "SOFTWARE/App", "", "SOFTWARE\\App\\UninstallString"})
    EXPECT_FALSE(Registry->OpenKey(path)) << path;
  EXPECT_EQ(Registry->ValueSize("UninstallString"), std::nullopt) << "no key was opened";
  ASSERT_TRUE(Registry->OpenKey("SOFTWARE\\App"));
  EXPECT_EQ(Registry->ValueSize("../../../Outside/UninstallString"), std::nullopt);
}

TEST(SpawnLauncher, StartsSplitCommandsAndWaitsForTheirEnd) {
  const auto launcher = MakeSpawnLauncher();
  const fs::path marker = fs::temp_directory_path() / ("vouninst-marker-" + std::to_string(getpid()));
  fs::remove(marker);
  std::string command = "/bin/sh -c \"sleep 0.3; echo done > '" + marker.string() + "'; exit 3\"";
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(launcher->RunAndWait(command.data()), TLauncher::TOutcome::kEnded) << "its own failure code is no error";
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
  EXPECT_TRUE(fs::exists(marker));
  fs::remove(marker);
}

TEST(SpawnLauncher, RunsACommandWithItemsBeyond4096CharactersWhole) {
  const auto launcher = MakeSpawnLauncher();
  const fs::path marker = fs::temp_directory_path() / ("vouninst-long-" + std::to_string(getpid()));
  const std::string word(5000, 'w');
  std::string command = "/bin/sh -c \"printf %s " + word + " > '" + marker.string() + "'\"";
  ASSERT_EQ(launcher->RunAndWait(command.data()), TLauncher::TOutcome::kEnded);
  std::ifstream written(marker);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), word);
  fs::remove(marker);
}

TEST(SpawnLauncher, ReportsACommandThatCannotStart) {
  const auto launcher = MakeSpawnLauncher();
  for (std::string command : {"/nonexistent/program arg", "", "   "})
    EXPECT_EQ(launcher->RunAndWait(command.data()), TLauncher::TOutcome::kNotStarted) << command;
}

}  // namespace
}  // namespace uVoUnInstaller
