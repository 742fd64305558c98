// The window's command line: what a desktop passes (a document, a folder), the options that print, and
// what is refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "WindowStart.h"

namespace {

using WindowStart::TAction;

WindowStart::TStart Parse(std::vector<std::string> args) { return WindowStart::ParseArguments(args); }

TEST(WindowStart, ADocumentOpensItsFolderWithItSelectedExistingOrNot) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
  for (const char* name : {"letter.rtf", "not-there-yet.rtf"}) {
    const std::filesystem::path document = folder / name;
    const WindowStart::TStart start = Parse({document.string()});
    EXPECT_EQ(start.Action, TAction::Run);
    EXPECT_EQ(std::filesystem::path(start.Folder), document.parent_path());
    EXPECT_EQ(start.File, name);
  }
  const WindowStart::TStart bare = Parse({"letter.rtf"});  // in the current folder
  EXPECT_EQ(bare.Folder, "");
  EXPECT_EQ(bare.File, "letter.rtf");
}

TEST(WindowStart, AFolderOpensWithNothingSelectedAndNothingOpensTheCurrentOne) {
  const std::string folder = std::filesystem::temp_directory_path().string();
  const WindowStart::TStart start = Parse({folder});
  EXPECT_EQ(start.Action, TAction::Run);
  EXPECT_EQ(start.Folder, folder);
  EXPECT_EQ(start.File, "");
  const WindowStart::TStart none = Parse({});
  EXPECT_EQ(none.Action, TAction::Run);
  EXPECT_EQ(none.Folder, "");
  EXPECT_EQ(none.File, "");
}

TEST(WindowStart, HelpAndVersionWinWhateverElseIsGiven) {
  for (const auto& args : std::vector<std::vector<std::string>>{{"--help"}, {"-h"}, {"a.rtf", "--help", "b.rtf"}}) {
    EXPECT_EQ(Parse(args).Action, TAction::Help) << testing::PrintToString(args);
  }
  for (const auto& args : std::vector<std::vector<std::string>>{{"--version"}, {"-V"}, {"a.rtf", "-V"}}) {
    EXPECT_EQ(Parse(args).Action, TAction::Version) << testing::PrintToString(args);
  }
  EXPECT_NE(WindowStart::VersionText().find("MIT License"), std::string::npos);
}

TEST(WindowStart, UnknownOptionsAndASecondPathAreRefusedButDashesAfterTheMarkAreNames) {
  const WindowStart::TStart unknown = Parse({"--verbose"});
  EXPECT_EQ(unknown.Action, TAction::UsageError);
  EXPECT_EQ(unknown.Error, "pelmora: unknown option '--verbose'");
  const WindowStart::TStart two = Parse({"a.rtf", "b.rtf"});
  EXPECT_EQ(two.Action, TAction::UsageError);
  EXPECT_EQ(two.Error, "pelmora: one FILE or FOLDER at most");
  const WindowStart::TStart dashed = Parse({"--", "-notes.rtf"});
  EXPECT_EQ(dashed.Action, TAction::Run);
  EXPECT_EQ(dashed.File, "-notes.rtf");
}

}  // namespace
