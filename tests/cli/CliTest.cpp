// pelmora-convert at the process boundary: exit status, standard output and standard error, pages written.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "CliRun.h"

namespace fs = std::filesystem;
using namespace pmrconv::test;
using CliTest = TCliTest;

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

TEST_F(CliTest, MarkupInAFileNameReachesTheTitleAsText) {
  fs::create_directories(FDir / "<script>alert(1)<");
  WriteAll(FDir / "<script>alert(1)<" / "R&D.rtf", "{x}");
  const TRun run = Run({"-r", "<script>alert(1)<"});
  EXPECT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(ReadAll(FDir / "<script>alert(1)<" / "R&D.htm"), Page("&lt;script&gt;alert(1)&lt;/R&amp;D.rtf", "x"));
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
            "same.htm: same.htm: I/O-Fehler 32.\n"
            "1 of 4 documents converted, 3 failed\n");
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
  fs::create_directories(FDir / "dir");
  const std::vector<std::vector<std::string>> cases = {{},
                                                       {"-o"},
                                                       {"-o", "x.htm"},
                                                       {"-o", "x.htm", "a.rtf", "b.rtf"},
                                                       {"-x", "a.rtf"},
                                                       {"--colour", "a.rtf"},
                                                       {"--verbose=yes", "a.rtf"},
                                                       {"-o", "x", "-o", "y", "a.rtf"},
                                                       {"-o", "x.htm", "-r", "dir"},
                                                       {"-o", "x.htm", "-d", "dir", "a.rtf"},
                                                       {"-d", "", "a.rtf"},
                                                       {"-r"},
                                                       {"-", "a.rtf", "-"},
                                                       {"-vx", "a.rtf"}};
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

TEST_F(CliTest, HelpAndVersionGoToStandardOutputWhateverFollows) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--help"}, {"-h"}, {"-vh", "missing.rtf"}, {"missing.rtf", "-h", "-x"}}) {
    const TRun help = Run(args);
    EXPECT_EQ(help.Status, 0) << testing::PrintToString(args);
    EXPECT_TRUE(help.Out.starts_with("Usage: pelmora-convert [OPTION]... SOURCE...\n")) << help.Out;
    EXPECT_NE(help.Out.find("  -u, --utf-8 "), std::string::npos) << help.Out;
    EXPECT_EQ(help.Err, "");
  }
  for (const char* option : {"--version", "-V"}) {
    const TRun version = Run({option});
    EXPECT_EQ(version.Status, 0);
    EXPECT_TRUE(version.Out.starts_with("pelmora-convert 1.")) << version.Out;
    EXPECT_NE(version.Out.find("\nMIT License: "), std::string::npos) << version.Out;
  }
  WriteAll(FDir / "-dash.rtf", "{d}");
  EXPECT_EQ(Run({"--", "-dash.rtf"}).Status, 0);  // after "--" everything is a SOURCE
  EXPECT_EQ(ReadAll(FDir / "-dash.htm"), Page("-dash.rtf", "d"));
}

TEST_F(CliTest, Utf8OptionWritesUtf8PagesForEverySource) {
  WriteAll(FDir / "ru.rtf", "{\\rtf1\\ansi\\ansicpg1251 \\'ef\\u1088?}");
  WriteAll(FDir / "de.rtf", "{\\'e4}");
  for (const char* option : {"-u", "--utf-8"}) {
    const TRun run = Run({option, "ru.rtf", "-v", "de.rtf"});
    EXPECT_EQ(run.Status, 0) << run.Err;
    const std::string ru = ReadAll(FDir / "ru.htm");
    EXPECT_TRUE(ru.starts_with("<HTML>\r\n<HEAD>\r\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
                               "charset=utf-8\">\r\n<TITLE>ru.rtf</TITLE>\r\n"))
        << ru;
    EXPECT_NE(ru.find("\xd0\xbf\xd1\x80\r\n</BODY>"), std::string::npos) << ru;  // "пр"
    EXPECT_NE(ReadAll(FDir / "de.htm").find("\xc3\xa4\r\n</BODY>"), std::string::npos);  // "ä"
  }
  EXPECT_EQ(Run({"de.rtf"}).Status, 0);  // and without it the 8-bit page
  EXPECT_EQ(ReadAll(FDir / "de.htm"), Page("de.rtf", "&auml;"));
}

TEST_F(CliTest, VerbosePrintsOneLinePerConvertedDocument) {
  WriteAll(FDir / "a.rtf", "{a}");
  WriteAll(FDir / "bad.rtf", "{\\'zz}");
  fs::create_directories(FDir / "out");
  const TRun run = Run({"-vq", "a.rtf", "bad.rtf", "-o", "page.html"});
  EXPECT_EQ(run.Status, 2);  // -o with two SOURCEs
  const TRun some = Run({"-v", "-d", "out", "a.rtf", "bad.rtf", "missing.rtf"});
  EXPECT_EQ(some.Status, 1);
  EXPECT_EQ(some.Out, "a.rtf -> out/a.htm\n");
  EXPECT_EQ(some.Err,
            "bad.rtf: 'z' ist kein gültiger Integerwert.\n"
            "missing.rtf: Datei nicht gefunden.\n"
            "1 of 3 documents converted, 2 failed\n");
  EXPECT_EQ(ReadAll(FDir / "out" / "a.htm"), Page("a.rtf", "a"));
  EXPECT_EQ(Run({"-v", "-oone.htm", "a.rtf"}).Out, "a.rtf -> one.htm\n");
}
