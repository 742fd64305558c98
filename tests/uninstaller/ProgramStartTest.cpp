// vouninst's program start: argument splitting, the final error report and exit codes.

#include <gtest/gtest.h>

#include "Fakes.h"
#include "ProgramStart.h"

namespace vouninst {
namespace {

using Items = std::vector<std::string>;

TEST(SplitCommandLine, SeparatesAtBlanksAndControlCharacters) {
  EXPECT_EQ(SplitCommandLine("vouninst.exe App"), (Items{"vouninst.exe", "App"}));
  EXPECT_EQ(SplitCommandLine("  a\tb\r\nc\x01" "d  "), (Items{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitCommandLine(""), Items{});
  EXPECT_EQ(SplitCommandLine(" \t "), Items{});
  // Bytes above 127 (here Windows-1252 umlauts) are ordinary characters, not separators.
  EXPECT_EQ(SplitCommandLine("p M\xfcller\xe4 x"), (Items{"p", "M\xfcller\xe4", "x"}));
}

TEST(SplitCommandLine, KeepsQuotedBlanksAndDropsTheQuotes) {
  EXPECT_EQ(SplitCommandLine("\"C:\\Program Files\\vouninst.exe\" \"My App\" rest"),
            (Items{"C:\\Program Files\\vouninst.exe", "My App", "rest"}));
  EXPECT_EQ(SplitCommandLine("p a\"b c\"d"), (Items{"p", "ab cd"}));
  EXPECT_EQ(SplitCommandLine("p \"unclosed quote"), (Items{"p", "unclosed quote"}));
}

TEST(SplitCommandLine, SkipsLeadingEmptyQuotePairsAndEndsAtAnEmptyItem) {
  EXPECT_EQ(SplitCommandLine("p \"\" \"\"App"), (Items{"p", "App"}));
  EXPECT_EQ(SplitCommandLine("p \"\""), Items{"p"});
  EXPECT_EQ(SplitCommandLine("p \"\" \"\"\""), Items{"p"});  // a lone quote at the end gives an empty item
  EXPECT_EQ(SplitCommandLine("p a\"\"b"), (Items{"p", "ab"}));
}

TEST(SplitCommandLine, CutsAnItemAfter4096Characters) {
  const std::string plain(5000, 'a');
  const std::string quoted = "\"" + std::string(3000, 'b') + " " + std::string(3000, 'c') + "\"";
  const Items items = SplitCommandLine("p " + plain + " " + quoted + " next");
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[1], std::string(4096, 'a'));
  EXPECT_EQ(items[2], std::string(3000, 'b') + " " + std::string(1095, 'c'));
  EXPECT_EQ(items[3], "next");
}

TEST(SplitCommandLine, CutsNothingWithoutALimit) {
  const std::string plain(5000, 'a');
  EXPECT_EQ(SplitCommandLine("p " + plain + " \"" + plain + " b\"", std::string::npos),
            (Items{"p", plain, plain + " b"}));
}

TEST(ItemsOfArguments, SkipsEmptyArgumentsAndCutsLongOnesAsTheWindowsBuildDoes) {
  const std::string longName(5000, 'n');
  const char* const withEmpty[] = {"vouninst", "", "", "App", "", longName.c_str()};
  EXPECT_EQ(ItemsOfArguments(6, withEmpty), (Items{"vouninst", "App", std::string(4096, 'n')}));
  const char* const onlyEmpty[] = {"vouninst", ""};
  EXPECT_EQ(ItemsOfArguments(2, onlyEmpty), Items{"vouninst"});
  const char* const noProgramName[] = {"", "App"};
  EXPECT_EQ(ItemsOfArguments(2, noProgramName), (Items{"", "App"})) << "the argument stays item 1";
}

TEST(FormatErrorReport, FillsTheRuntimeFormat) {
  EXPECT_EQ(FormatErrorReport("EAppNotInstalled", "vouninst.exe", 0x1A2B, "Application was not installed on this computer"),
            "Exception EAppNotInstalled in module vouninst.exe at 00001A2B.\n"
            "Application was not installed on this computer.");
  EXPECT_EQ(FormatErrorReport("E", "m.exe", 0xFFFFFFFF, "Ends."), "Exception E in module m.exe at FFFFFFFF.\nEnds.");
  EXPECT_EQ(FormatErrorReport("E", "m.exe", 0, ""), "Exception E in module m.exe at 00000000.\n");
}

TEST(FileNameWithoutFolder, DropsEveryKindOfFolder) {
  EXPECT_EQ(FileNameWithoutFolder("C:\\Program Files\\Tools\\vouninst.exe"), "vouninst.exe");
  EXPECT_EQ(FileNameWithoutFolder("/usr/bin/vouninst"), "vouninst");
  EXPECT_EQ(FileNameWithoutFolder("C:vouninst.exe"), "vouninst.exe");
  EXPECT_EQ(FileNameWithoutFolder("vouninst.exe"), "vouninst.exe");
}

class RunProgramTest : public ::testing::Test {
protected:
  int Run(const Items& items) {
    return RunProgram(items, Uninstaller, {"vouninst.exe", 0x1234, [this](const std::string& t) { Reports.push_back(t); }});
  }

  uVoUnInstaller::testing::TFakeRegistry Registry;
  uVoUnInstaller::testing::TFakeLauncher Launcher;
  uVoUnInstaller::TVOUninstaller Uninstaller{Registry, Launcher};
  Items Reports;
};

TEST_F(RunProgramTest, WithoutAnArgumentEndsWithZeroAndTouchesNothing) {
  EXPECT_EQ(Run({"vouninst.exe"}), 0);
  EXPECT_EQ(Run({}), 0);
  const char* const emptyQuoted[] = {"vouninst", ""};
  EXPECT_EQ(Run(ItemsOfArguments(2, emptyQuoted)), 0) << "an empty quoted argument is no argument";
  EXPECT_EQ(Registry.Calls, 0);
  EXPECT_TRUE(Reports.empty());
}

TEST_F(RunProgramTest, UsesTheFirstArgumentOnlyAndEndsWithZeroOnceTheCommandRan) {
  Registry.Keys["SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\App"]["UninstallString"] = {
      uVoUnInstaller::kRegSz, "u.exe"};
  Launcher.Outcome = uVoUnInstaller::TLauncher::TOutcome::kEnded;
  EXPECT_EQ(Run({"vouninst.exe", "App", "Other"}), 0);
  EXPECT_EQ(Launcher.Commands, Items{"u.exe"});
  EXPECT_TRUE(Reports.empty());
}

TEST_F(RunProgramTest, ReportsAnyErrorOnceAndEndsWithOne) {
  EXPECT_EQ(Run({"vouninst.exe", "Missing"}), 1);
  EXPECT_EQ(Reports, Items{"Exception EAppNotInstalled in module vouninst.exe at 00001234.\n"
                           "Application was not installed on this computer."});

  Registry.Keys["SOFTWARE\\Microsoft\\Windows\\Current Version\\Uninstall\\App"]["UninstallString"] = {
      uVoUnInstaller::kRegSz, "u.exe"};
  Launcher.Outcome = uVoUnInstaller::TLauncher::TOutcome::kNotStarted;
  Reports.clear();
  EXPECT_EQ(Run({"vouninst.exe", "App"}), 1);
  EXPECT_EQ(Reports, Items{"Exception ECouldNotUnInstallException in module vouninst.exe at 00001234.\n"
                           "Could not uninstall."});
}

}  // namespace
}  // namespace vouninst
