// pelmora-convert batches against awkward and hostile trees: names with backslashes and control characters, two
// sources with one page, entries that cannot be inspected, links and pipes where a page would go, failed outputs.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "CliRun.h"

namespace fs = std::filesystem;
using namespace pmrconv::test;
using CliBatchSafetyTest = TCliTest;

TEST_F(CliBatchSafetyTest, BackslashIsAnOrdinaryCharacterOfANameAndTheWalkEnds) {
  // It used to be taken for a separator: the page folder walk never advanced, and a\b.rtf took b.rtf's page.
  fs::create_directories(FDir / "t");
  fs::create_directories(FDir / "o");
  WriteAll(FDir / "t/a\\b.rtf", "{ab}");
  WriteAll(FDir / "t/b.rtf", "{b}");
  const TRun run = Run({"-d", "o", "-r", "t"});  // the harness kills a run that does not end
  EXPECT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(ReadAll(FDir / "o/a\\b.htm"), Page("t/a\\b.rtf", "ab"));
  EXPECT_EQ(ReadAll(FDir / "o/b.htm"), Page("t/b.rtf", "b"));
  EXPECT_EQ(Run({"t/a\\b.rtf"}).Status, 0);
  EXPECT_EQ(ReadAll(FDir / "t/a\\b.htm"), Page("t/a\\b.rtf", "ab"));
}

TEST_F(CliBatchSafetyTest, ADestinationIsWrittenForItsFirstSourceOnly) {
  WriteAll(FDir / "x.rtf", "{lower}");
  WriteAll(FDir / "x.RTF", "{upper}");
  const TRun twice = Run({"-v", "x.rtf", "x.RTF"});
  EXPECT_EQ(twice.Status, 1);
  EXPECT_EQ(twice.Out, "x.rtf -> x.htm\n");
  EXPECT_EQ(twice.Err,
            "x.RTF: x.htm: already the page of x.rtf, not written again.\n"
            "1 of 2 documents converted, 1 failed\n");
  EXPECT_EQ(ReadAll(FDir / "x.htm"), Page("x.rtf", "lower"));

  for (const char* folder : {"r/s1", "r/s2", "out"}) fs::create_directories(FDir / folder);
  WriteAll(FDir / "r/s1/p.rtf", "{one}");
  WriteAll(FDir / "r/s2/p.rtf", "{two}");
  const TRun flat = Run({"-d", "out", "r/s1/p.rtf", "r/s2/p.rtf"});
  EXPECT_EQ(flat.Status, 1);
  EXPECT_EQ(flat.Err,
            "r/s2/p.rtf: out/p.htm: already the page of r/s1/p.rtf, not written again.\n"
            "1 of 2 documents converted, 1 failed\n");
  EXPECT_EQ(ReadAll(FDir / "out/p.htm"), Page("r/s1/p.rtf", "one"));

  // A tree keeps its folders below the page folder, so the same names there do not collide.
  const TRun tree = Run({"-d", "out", "-r", "r"});
  EXPECT_EQ(tree.Status, 0) << tree.Err;
  EXPECT_EQ(ReadAll(FDir / "out/s2/p.htm"), Page("r/s2/p.rtf", "two"));
}

TEST_F(CliBatchSafetyTest, EntriesTheWalkCannotInspectAreFailedDocuments) {
  // A path longer than the system allows: the folders are made one below the other, each by its own name.
  fs::create_directories(FDir / "t");
  WriteAll(FDir / "t/ok.rtf", "{ok}");
  int folder = ::open((FDir / "t").c_str(), O_RDONLY | O_DIRECTORY);
  std::string relative = "t";
  while (relative.size() < 4000) {  // a folder the walk can still open, a file below it that it cannot inspect
    const std::string name(std::min<size_t>(200, 4000 - relative.size()), 'd');
    ASSERT_EQ(::mkdirat(folder, name.c_str(), 0777), 0);
    const int below = ::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY);
    ::close(folder);
    folder = below;
    relative += "/" + name;
  }
  const std::string longName = std::string(150, 'f') + ".rtf";
  const int file = ::openat(folder, longName.c_str(), O_WRONLY | O_CREAT, 0666);
  ASSERT_GE(file, 0);
  ::close(file);
  ::close(folder);
  const TRun run = Run({"-r", "t"});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Err, relative + "/" + longName + ": Ungültiger Dateiname.\n1 of 2 documents converted, 1 failed\n");
  EXPECT_EQ(ReadAll(FDir / "t/ok.htm"), Page("t/ok.rtf", "ok"));
}

TEST_F(CliBatchSafetyTest, BatchesNeverWriteThroughLinksOrIntoPipes) {
  fs::create_directories(FDir / "t");
  fs::create_directories(FDir / "out/b.htm");
  WriteAll(FDir / "victim.txt", "precious");
  WriteAll(FDir / "t/a.rtf", "{a}");
  WriteAll(FDir / "t/b.rtf", "{b}");
  WriteAll(FDir / "t/fifo.rtf", "{f}");
  fs::create_symlink("../victim.txt", FDir / "t/a.htm");
  ASSERT_EQ(::mkfifo((FDir / "t/fifo.htm").c_str(), 0600), 0);
  const TRun tree = Run({"-r", "t"});  // a pipe opened for the page would block forever
  EXPECT_EQ(tree.Status, 1);
  EXPECT_EQ(tree.Err,
            "t/a.rtf: t/a.htm: is a symbolic link, left untouched.\n"
            "t/fifo.rtf: t/fifo.htm: is not a regular file, left untouched.\n"
            "1 of 3 documents converted, 2 failed\n");
  EXPECT_EQ(ReadAll(FDir / "victim.txt"), "precious");
  EXPECT_TRUE(fs::is_symlink(FDir / "t/a.htm"));

  const TRun folder = Run({"-d", "out", "t/b.rtf"});
  EXPECT_EQ(folder.Status, 1);
  EXPECT_EQ(folder.Err, "t/b.rtf: out/b.htm: is a folder, left untouched.\n");

  // One explicit -o DEST is the user's own choice, a link included.
  EXPECT_EQ(Run({"-o", "t/a.htm", "t/a.rtf"}).Status, 0);
  EXPECT_EQ(ReadAll(FDir / "victim.txt"), Page("t/a.rtf", "a"));
}

TEST_F(CliBatchSafetyTest, MessagesNameWhatFailed) {
  WriteAll(FDir / "letter.rtf", "{l}");
  const TRun dest = Run({"-o", "/nonexistent/x.htm", "letter.rtf"});
  EXPECT_EQ(dest.Status, 1);
  EXPECT_EQ(dest.Err, "letter.rtf: /nonexistent/x.htm: Ungültiger Dateiname.\n");
  fs::create_directories(FDir / "examples");
  const TRun folder = Run({"examples"});
  EXPECT_EQ(folder.Status, 1);
  EXPECT_EQ(folder.Err, "examples: is a folder; -r FOLDER converts the documents below it.\n");
  const TRun source = Run({"missing.rtf"});
  EXPECT_EQ(source.Err, "missing.rtf: Datei nicht gefunden.\n");
}

TEST_F(CliBatchSafetyTest, FailedWritesToTheStandardStreamsEndWithStatusOne) {
  WriteAll(FDir / "a.rtf", "{a}");
  const TRun page = Run({"-v", "-o", "-", "a.rtf"});
  EXPECT_EQ(page.Status, 0);
  EXPECT_EQ(page.Out, Page("a.rtf", "a"));  // nothing after the page's end
  EXPECT_EQ(page.Err, "a.rtf -> -\n");

  TStreams full;
  full.OutFile = "/dev/full";
  const TRun verbose = Run({"-v", "a.rtf"}, full);
  EXPECT_EQ(verbose.Status, 1);
  EXPECT_EQ(verbose.Err, "pelmora-convert: write error on standard output\n");
  EXPECT_EQ(ReadAll(FDir / "a.htm"), Page("a.rtf", "a"));
  for (const char* option : {"--help", "--version"}) {
    const TRun help = Run({option}, full);
    EXPECT_EQ(help.Status, 1) << option;
    EXPECT_EQ(help.Err, "pelmora-convert: write error on standard output\n");
  }
  const TRun onFull = Run({"-", "-q"}, full);
  EXPECT_EQ(onFull.Status, 1);
}

TEST_F(CliBatchSafetyTest, ControlCharactersOfNamesAreShownEscaped) {
  const std::string name = "x\033]0;owned\a\nnext.rtf";
  WriteAll(FDir / name, "{x}");
  const TRun run = Run({"-v", name, "gone\t.rtf"});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Out, "x\\033]0;owned\\a\\nnext.rtf -> x\\033]0;owned\\a\\nnext.htm\n");
  EXPECT_EQ(run.Err, "gone\\t.rtf: Datei nicht gefunden.\n1 of 2 documents converted, 1 failed\n");
  EXPECT_EQ(ReadAll(FDir / "x\033]0;owned\a\nnext.htm"), Page(name, "x"));  // the page keeps the exact name
}

TEST_F(CliBatchSafetyTest, LongOptionsWithOrWithoutEqualsSign) {
  fs::create_directories(FDir / "t");
  fs::create_directories(FDir / "out");
  WriteAll(FDir / "a.rtf", "{a}");
  WriteAll(FDir / "t/b.rtf", "{b}");
  const TRun run = Run({"--verbose", "--quiet", "--dir=out", "a.rtf", "--recursive", "t"});
  EXPECT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.Out, "a.rtf -> out/a.htm\nt/b.rtf -> out/b.htm\n");  // in the order given
  EXPECT_EQ(Run({"--output", "page.html", "a.rtf"}).Status, 0);
  EXPECT_EQ(ReadAll(FDir / "page.html"), Page("a.rtf", "a"));
  const TRun missing = Run({"a.rtf", "--output"});
  EXPECT_EQ(missing.Status, 2);
  EXPECT_EQ(missing.Err, "pelmora-convert: --output needs a value; try 'pelmora-convert --help'\n");
}
