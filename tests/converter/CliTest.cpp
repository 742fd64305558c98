// pelmora-convert at the process boundary: exit status, standard output and standard error, pages written.

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FileHelpers.h"

namespace fs = std::filesystem;
using pmrconv::test::ReadAll;
using pmrconv::test::WriteAll;

namespace {

struct TRun {
  int Status = -1;
  std::string Out, Err;
};

const std::string kHead = "<HTML>\r\n<HEAD>\r\n<TITLE>";
const std::string kBody =
    "</TITLE>\r\n</HEAD>\r\n<BODY TEXT=\"#000000\" BGCOLOR=\"#FFFFFF\" LINK=\"#3333FF\" VLINK=\"#999999\" "
    "ALINK=\"#FF0000\">\r\n";
const std::string kTail = "</BODY>\r\n</HTML>\r\n";

class CliTest : public ::testing::Test {
protected:
  void SetUp() override {
    FDir = fs::temp_directory_path() /
           ("pmrcli-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(FDir);
    fs::create_directories(FDir);
  }
  void TearDown() override { fs::remove_all(FDir); }

  // Runs pelmora-convert with Args in the test folder.
  TRun Run(const std::vector<std::string>& Args) {
    const fs::path out = FDir / ".stdout", err = FDir / ".stderr";
    const pid_t pid = ::fork();
    if (pid == 0) {
      if (::chdir(FDir.c_str()) != 0) ::_exit(127);
      if (!std::freopen(out.c_str(), "wb", stdout) || !std::freopen(err.c_str(), "wb", stderr)) ::_exit(127);
      std::vector<char*> argv{const_cast<char*>(PELMORA_CONVERT)};
      for (const std::string& a : Args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      ::execv(PELMORA_CONVERT, argv.data());
      ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    TRun run;
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.Out = ReadAll(out);
    run.Err = ReadAll(err);
    return run;
  }

  static std::string Page(const std::string& Title, const std::string& Body) {
    return kHead + Title + kBody + Body + "\r\n" + kTail;
  }

  fs::path FDir;
};

}  // namespace

TEST_F(CliTest, ConvertsEachSourceBesideItselfSilently) {
  WriteAll(FDir / "one.rtf", "{one}");
  WriteAll(FDir / "two.doc", "{two}");
  WriteAll(FDir / "README", "{three}");
  const TRun run = Run({"one.rtf", "./two.doc", "README"});
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(run.Out, "");
  EXPECT_EQ(run.Err, "");
  EXPECT_EQ(ReadAll(FDir / "one.htm"), Page("one.rtf", "one"));
  EXPECT_EQ(ReadAll(FDir / "two.htm"), Page("./two.doc", "two"));  // the title is SOURCE as passed
  EXPECT_EQ(ReadAll(FDir / "REAhtm"), Page("README", "three"));   // the last three characters give way
}

TEST_F(CliTest, GoldenExamplesGiveTheirPagesThroughTheProgram) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(PMRCONV_GOLDEN_DIR)) {
    if (entry.path().extension() != ".rtf") continue;
    const std::string name = entry.path().filename().string();
    fs::copy_file(entry.path(), FDir / name);
    const TRun run = Run({name});  // one process each: the font table starts empty as in the golden pages
    EXPECT_EQ(run.Status, 0) << name << ": " << run.Err;
    EXPECT_EQ(ReadAll(FDir / (name.substr(0, name.size() - 3) + "htm")),
              ReadAll(fs::path(entry.path()).replace_extension(".htm")))
        << name;
    ++count;
  }
  EXPECT_GE(count, 5);
}

TEST_F(CliTest, DashOWritesTheOneSourceToDest) {
  WriteAll(FDir / "a.rtf", "{a}");
  EXPECT_EQ(Run({"-o", "page.html", "a.rtf"}).Status, 0);
  EXPECT_EQ(ReadAll(FDir / "page.html"), Page("a.rtf", "a"));
  EXPECT_EQ(Run({"a.rtf", "-oother.htm"}).Status, 0);
  EXPECT_EQ(ReadAll(FDir / "other.htm"), Page("a.rtf", "a"));
  EXPECT_FALSE(fs::exists(FDir / "a.htm"));
}

TEST_F(CliTest, FailuresAreReportedPerSourceAndTheRestStillConverts) {
  WriteAll(FDir / "bad.rtf", "{x\\'zz}");
  WriteAll(FDir / "good.rtf", "{good}");
  WriteAll(FDir / "same.htm", "{same}");
  const TRun run = Run({"missing.rtf", "bad.rtf", "same.htm", "good.rtf"});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Out, "");
  EXPECT_EQ(run.Err,
            "missing.rtf: Datei nicht gefunden.\n"
            "bad.rtf: 'z' ist kein gültiger Integerwert.\n"
            "same.htm: I/O-Fehler 32.\n");
  EXPECT_EQ(ReadAll(FDir / "bad.htm"), Page("bad.rtf", "x"));  // the partly written page stays
  EXPECT_EQ(ReadAll(FDir / "same.htm"), "{same}");
  EXPECT_EQ(ReadAll(FDir / "good.htm"), Page("good.rtf", "good"));
}

TEST_F(CliTest, FontTableCarriesOverToLaterSources) {
  WriteAll(FDir / "first.rtf", "{{\\fonttbl{\\f0 Arial;}{\\f1 Courier;}}}");
  WriteAll(FDir / "second.rtf", "{{\\fonttbl{\\f0 Times;}}\\f1 x}");
  ASSERT_EQ(Run({"first.rtf", "second.rtf"}).Status, 0);
  EXPECT_EQ(ReadAll(FDir / "second.htm"), Page("second.rtf", "<FONT FACE=\"Courier\">x</FONT>"));
  ASSERT_EQ(Run({"second.rtf"}).Status, 0);  // a new process starts with empty slots
  EXPECT_EQ(ReadAll(FDir / "second.htm"), Page("second.rtf", "<FONT FACE=\"\">x</FONT>"));
}

TEST_F(CliTest, UsageErrorsExitTwoWithOneLine) {
  WriteAll(FDir / "a.rtf", "{a}");
  WriteAll(FDir / "b.rtf", "{b}");
  const std::vector<std::vector<std::string>> cases = {
      {}, {"-o"}, {"-o", "x.htm"}, {"-o", "x.htm", "a.rtf", "b.rtf"}, {"-x", "a.rtf"}, {"-o", "x", "-o", "y", "a.rtf"}};
  for (const auto& args : cases) {
    const TRun run = Run(args);
    EXPECT_EQ(run.Status, 2) << testing::PrintToString(args);
    EXPECT_EQ(run.Out, "");
    EXPECT_TRUE(run.Err.starts_with("pelmora-convert: ")) << run.Err;
    EXPECT_TRUE(run.Err.ends_with("; try 'pelmora-convert --help'\n")) << run.Err;
    EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << run.Err;
  }
  EXPECT_FALSE(fs::exists(FDir / "a.htm"));
  EXPECT_FALSE(fs::exists(FDir / "x.htm"));
}

TEST_F(CliTest, HelpAndVersionGoToStandardOutput) {
  const TRun help = Run({"--help"});
  EXPECT_EQ(help.Status, 0);
  EXPECT_TRUE(help.Out.starts_with("Usage: pelmora-convert [-o DEST] SOURCE...\n")) << help.Out;
  EXPECT_EQ(help.Err, "");
  const TRun version = Run({"--version"});
  EXPECT_EQ(version.Status, 0);
  EXPECT_TRUE(version.Out.starts_with("pelmora-convert ")) << version.Out;
  WriteAll(FDir / "-dash.rtf", "{d}");
  EXPECT_EQ(Run({"--", "-dash.rtf"}).Status, 0);  // after "--" everything is a SOURCE
  EXPECT_EQ(ReadAll(FDir / "-dash.htm"), Page("-dash.rtf", "d"));
}
