// pelmora-convert on folders: -d DIR for where the pages go, -r FOLDER for every ".rtf" file below a folder.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CliRun.h"

namespace fs = std::filesystem;
using namespace pmrconv::test;
using CliBatchTest = TCliTest;

TEST_F(CliBatchTest, PageFolderTakesEveryPageUnderItsDefaultName) {
  fs::create_directories(FDir / "docs");
  fs::create_directories(FDir / "out");
  WriteAll(FDir / "a.rtf", "{a}");
  WriteAll(FDir / "docs" / "b.doc", "{b}");
  WriteAll(FDir / "docs" / "ab", "{c}");
  const TRun run = Run({"-d", "out", "a.rtf", "docs/b.doc", "docs/ab"});
  EXPECT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.Out + run.Err, "");
  EXPECT_EQ(ReadAll(FDir / "out" / "a.htm"), Page("a.rtf", "a"));
  EXPECT_EQ(ReadAll(FDir / "out" / "b.htm"), Page("docs/b.doc", "b"));
  EXPECT_EQ(ReadAll(FDir / "out" / "htm"), Page("docs/ab", "c"));  // never more cut than the name has
  EXPECT_FALSE(fs::exists(FDir / "a.htm"));
  EXPECT_FALSE(fs::exists(FDir / "docs" / "b.htm"));
}

TEST_F(CliBatchTest, MissingPageFolderIsAnErrorBeforeAnythingIsWritten) {
  WriteAll(FDir / "a.rtf", "{a}");
  WriteAll(FDir / "file", "");
  for (const char* folder : {"nope", "file"}) {
    const TRun run = Run({"-d", folder, "a.rtf"});
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err, "pelmora-convert: -d " + std::string(folder) + ": no such folder\n");
  }
  EXPECT_FALSE(fs::exists(FDir / "a.htm"));
  EXPECT_FALSE(fs::exists(FDir / "nope"));
}

class CliTreeTest : public TCliTest {
protected:
  void SetUp() override {
    TCliTest::SetUp();
    for (const char* folder : {"tree/sub/deeper", "tree/dir.rtf", "tree/empty"}) fs::create_directories(FDir / folder);
    for (const char* file :
         {"tree/b.rtf", "tree/X.RTF", "tree/sub/c.Rtf", "tree/sub/deeper/d.rtf", "tree/dir.rtf/e.rtf", "tree/.rtf"}) {
      WriteAll(FDir / file, "{" + fs::path(file).stem().string() + "}");
    }
    WriteAll(FDir / "tree/notes.txt", "{n}");
    WriteAll(FDir / "tree/rtf", "{n}");
  }
};

TEST_F(CliTreeTest, RecursiveConvertsEveryRtfFileInSortedPathOrder) {
  const TRun run = Run({"-v", "-r", "tree"});
  EXPECT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.Out,
            "tree/.rtf -> tree/.htm\n"
            "tree/X.RTF -> tree/X.htm\n"
            "tree/b.rtf -> tree/b.htm\n"
            "tree/dir.rtf/e.rtf -> tree/dir.rtf/e.htm\n"
            "tree/sub/c.Rtf -> tree/sub/c.htm\n"
            "tree/sub/deeper/d.rtf -> tree/sub/deeper/d.htm\n");
  EXPECT_EQ(ReadAll(FDir / "tree/sub/deeper/d.htm"), Page("tree/sub/deeper/d.rtf", "d"));
  EXPECT_FALSE(fs::exists(FDir / "tree/notes.htm"));
  EXPECT_FALSE(fs::exists(FDir / "tree/htm"));
}

TEST_F(CliTreeTest, RecursiveIntoPageFolderMakesTheRelativeFolders) {
  fs::create_directories(FDir / "out");
  const TRun run = Run({"-r", "tree/", "-d", "out", "tree/notes.txt"});
  EXPECT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(ReadAll(FDir / "out/sub/deeper/d.htm"), Page("tree/sub/deeper/d.rtf", "d"));
  EXPECT_EQ(ReadAll(FDir / "out/dir.rtf/e.htm"), Page("tree/dir.rtf/e.rtf", "e"));
  EXPECT_EQ(ReadAll(FDir / "out/X.htm"), Page("tree/X.RTF", "X"));
  EXPECT_EQ(ReadAll(FDir / "out/notes.htm"), Page("tree/notes.txt", "n"));
  EXPECT_FALSE(fs::exists(FDir / "out/empty"));  // only folders that receive a page
  EXPECT_FALSE(fs::exists(FDir / "tree/b.htm"));
}

TEST_F(CliTreeTest, OnlyFilesAndLinksToFilesAreConvertedFoldersLinkedAreNotFollowed) {
  fs::create_directories(FDir / "elsewhere");
  WriteAll(FDir / "elsewhere/far.rtf", "{far}");
  fs::create_directory_symlink(FDir / "elsewhere", FDir / "tree/link");
  fs::create_directory_symlink(FDir / "tree", FDir / "tree/sub/loop");
  fs::create_symlink(FDir / "elsewhere/far.rtf", FDir / "tree/near.rtf");
  fs::create_symlink(FDir / "gone.rtf", FDir / "tree/dangling.rtf");
  // A pipe would block the batch forever: nothing ever writes to it.
  ASSERT_EQ(::mkfifo((FDir / "tree/pipe.rtf").c_str(), 0600), 0);
  const TRun run = Run({"-r", "tree"});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Err,
            "tree/dangling.rtf: Datei nicht gefunden.\n"
            "tree/pipe.rtf: not a regular file, not read.\n"
            "7 of 9 documents converted, 2 failed\n");
  EXPECT_FALSE(fs::exists(FDir / "elsewhere/far.htm"));
  EXPECT_EQ(ReadAll(FDir / "tree/near.htm"), Page("tree/near.rtf", "far"));
  EXPECT_FALSE(fs::exists(FDir / "tree/pipe.htm"));
  EXPECT_FALSE(fs::exists(FDir / "tree/dangling.htm"));
}

TEST_F(CliTreeTest, MissingFolderIsAUsageErrorLikeAMissingPageFolder) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"-r", "missing", "-r", "tree/empty"}, {"tree/b.rtf", "-r", "missing"}}) {
    const TRun run = Run(args);
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err, "pelmora-convert: -r missing: no such folder\n");
  }
  EXPECT_FALSE(fs::exists(FDir / "tree/b.htm"));  // nothing is converted
}

TEST_F(CliTreeTest, FileInTheWayOfAPageFolderFailsOnlyItsDocuments) {
  fs::create_directories(FDir / "out");
  WriteAll(FDir / "out/sub", "not a folder");
  const TRun run = Run({"-r", "tree", "-d", "out"});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Err,
            "tree/sub/c.Rtf: out/sub: Ungültiger Dateiname.\n"
            "tree/sub/deeper/d.rtf: out/sub: Ungültiger Dateiname.\n"
            "4 of 6 documents converted, 2 failed\n");
  EXPECT_EQ(ReadAll(FDir / "out/sub"), "not a folder");
  EXPECT_EQ(ReadAll(FDir / "out/b.htm"), Page("tree/b.rtf", "b"));
}
