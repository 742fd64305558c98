// The lookup rules of TVOUninstaller against a fake registry and launcher.

#include <gtest/gtest.h>

#include <functional>

#include "Fakes.h"
#include "uVoUnInstaller.h"

namespace uVoUnInstaller {
namespace {

using testing::kRegDword;
using testing::TFakeLauncher;
using testing::TFakeRegistry;
using testing::TFakeValue;

const std::string kPath1 = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const std::string kPath2 = "SOFTWARE\\Microsoft\\Windows\\Current Version\\Uninstall\\";

// The class name and message of what Action raised, or "none".
std::string Raised(const std::function<void()>& action) {
  try {
    action();
  } catch (const rtl::Exception& e) {
    return std::string(e.ClassName()) + ": " + e.Message();
  }
  return "none";
}

class UninstallApplication : public ::testing::Test {
protected:
  void Entry(const std::string& path, TFakeValue value) { Registry.Keys[path]["UninstallString"] = std::move(value); }
  std::string Run(const std::string& name) {
    return Raised([&] { Uninstaller.UninstallApplication(name); });
  }

  TFakeRegistry Registry;
  TFakeLauncher Launcher;
  TVOUninstaller Uninstaller{Registry, Launcher};
};

TEST_F(UninstallApplication, RunsTheCommandFoundUnderPath1WithoutTryingPath2) {
  Entry(kPath1 + "App", {kRegSz, std::string("C:\\App\\unins.exe /S\0", 21)});
  Entry(kPath2 + "App", {kRegSz, "wrong"});
  EXPECT_EQ(Run("App"), "none");
  EXPECT_EQ(Launcher.Commands, std::vector<std::string>{"C:\\App\\unins.exe /S"});
  EXPECT_EQ(Registry.Opened, std::vector<std::string>{kPath1 + "App"});
}

TEST_F(UninstallApplication, FallsBackToThePathWithTheBlankWhenPath1Fails) {
  Entry(kPath2 + "App", {kRegSz, "two"});
  EXPECT_EQ(Run("App"), "none");
  EXPECT_EQ(Launcher.Commands, std::vector<std::string>{"two"});

  // A value that is no string fails attempt 1 just like a missing key does.
  Entry(kPath1 + "App", {kRegDword, std::string("\x05\0\0\0", 4)});
  Launcher.Commands.clear();
  EXPECT_EQ(Run("App"), "none");
  EXPECT_EQ(Launcher.Commands, std::vector<std::string>{"two"});

  // So does data that cannot be read.
  Entry(kPath1 + "App", {kRegSz, "one", false, true});
  Launcher.Commands.clear();
  EXPECT_EQ(Run("App"), "none");
  EXPECT_EQ(Launcher.Commands, std::vector<std::string>{"two"});
}

TEST_F(UninstallApplication, ReportsNotInstalledWhenBothAttemptsFail) {
  EXPECT_EQ(Run("Nothing"), "EAppNotInstalled: Application was not installed on this computer");
  EXPECT_EQ(Registry.Opened, (std::vector<std::string>{kPath1 + "Nothing", kPath2 + "Nothing"}));

  Entry(kPath1 + "Number", {kRegDword, std::string("\x05\0\0\0", 4)});
  EXPECT_EQ(Run("Number"), "EAppNotInstalled: Application was not installed on this computer");
  Entry(kPath1 + "Multi", {7, std::string("a\0b\0\0", 5)});
  EXPECT_EQ(Run("Multi"), "EAppNotInstalled: Application was not installed on this computer");
  EXPECT_TRUE(Launcher.Commands.empty());
}

TEST_F(UninstallApplication, TreatsAMissingUnmeasurableOrEmptyValueAsAnEmptyCommand) {
  Registry.Keys[kPath1 + "NoValue"]["Other"] = {kRegSz, "x"};
  Entry(kPath1 + "NoSize", {kRegSz, "x", true, false});
  Entry(kPath1 + "EmptyNumber", {kRegDword, ""});
  for (const char* name : {"NoValue", "NoSize", "EmptyNumber"}) {
    Registry.Opened.clear();
    Launcher.Commands.clear();
    EXPECT_EQ(Run(name), "none") << name;
    EXPECT_EQ(Launcher.Commands, std::vector<std::string>{""}) << name;
    EXPECT_EQ(Registry.Opened.size(), 1u) << name << ": path 2 must not be tried";
  }
}

TEST_F(UninstallApplication, TakesTheDataAsStoredUpToTheFirstZero) {
  Entry(kPath1 + "Expand", {kRegExpandSz, std::string("%ProgramFiles%\\App\\u.exe\0", 25)});
  Entry(kPath1 + "Zero", {kRegSz, std::string("first\0second", 12)});
  Entry(kPath1 + "NoTerminator", {kRegSz, "unterminated"});
  EXPECT_EQ(Run("Expand"), "none");
  EXPECT_EQ(Run("Zero"), "none");
  EXPECT_EQ(Run("NoTerminator"), "none");
  EXPECT_EQ(Launcher.Commands, (std::vector<std::string>{"%ProgramFiles%\\App\\u.exe", "first", "unterminated"}));
}

TEST_F(UninstallApplication, AppendsTheNameUnchanged) {
  Entry(kPath1 + " My App \\Sub", {kRegSz, "deep"});
  EXPECT_EQ(Run(" My App \\Sub"), "none");
  EXPECT_EQ(Launcher.Commands, std::vector<std::string>{"deep"});
}

TEST_F(UninstallApplication, RefusesAnEmptyNameWithoutTouchingTheRegistry) {
  EXPECT_EQ(Run(""), "ENoApplicationName: No Application Name defined");
  EXPECT_EQ(Raised([&] { Uninstaller.Uninstall(); }), "ENoApplicationName: No Application Name defined");
  EXPECT_EQ(Registry.Calls, 0);
}

TEST_F(UninstallApplication, UninstallUsesTheApplicationName) {
  Entry(kPath1 + "App", {kRegSz, "cmd"});
  Uninstaller.SetApplicationName("App");
  EXPECT_EQ(Raised([&] { Uninstaller.Uninstall(); }), "none");
  EXPECT_EQ(Launcher.Commands, std::vector<std::string>{"cmd"});
}

TEST(RunUninstallCommand, PassesALongCommandWhole) {
  TFakeRegistry registry;
  TFakeLauncher launcher;
  TVOUninstaller uninstaller(registry, launcher);
  const std::string command = "C:\\App\\unins.exe " + std::string(600, 'x');
  EXPECT_EQ(Raised([&] { uninstaller.RunUninstallCommand(command); }), "none");
  EXPECT_EQ(launcher.Commands, std::vector<std::string>{command});
}

TEST(RunUninstallCommand, ReportsAStartOrWaitFailure) {
  TFakeRegistry registry;
  TFakeLauncher launcher;
  TVOUninstaller uninstaller(registry, launcher);
  for (const auto outcome : {TLauncher::TOutcome::kNotStarted, TLauncher::TOutcome::kWaitFailed}) {
    launcher.Outcome = outcome;
    EXPECT_EQ(Raised([&] { uninstaller.RunUninstallCommand("x.exe"); }),
              "ECouldNotUnInstallException: Could not uninstall");
  }
}

}  // namespace
}  // namespace uVoUnInstaller
