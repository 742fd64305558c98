// The one folder reader, against what the window's lists and pelmora-convert's -r walk each take from it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "FileSystem.h"
#include "pmrconv.h"

namespace fs = std::filesystem;
using FileSystem::TEntryKind;
using FileSystem::TFolderEntry;

namespace {

class FolderReader : public ::testing::Test {
protected:
  void SetUp() override {
    FRoot = fs::temp_directory_path() /
            ("pelmora-fs-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(FRoot);
    fs::create_directories(FRoot / "Sub");
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(FRoot / "Sub", fs::perms::owner_all, ignored);
    fs::remove_all(FRoot, ignored);
  }
  void Touch(const std::string& Name) { std::ofstream(FRoot / Name) << "x"; }
  std::string Root() const { return FRoot.string(); }

  static std::vector<std::string> Names(const std::vector<TFolderEntry>& Entries) {
    std::vector<std::string> names;
    for (const TFolderEntry& entry : Entries) names.push_back(entry.Name);
    return names;
  }

  fs::path FRoot;
};

const TFolderEntry& Find(const std::vector<TFolderEntry>& Entries, const std::string& Name) {
  return *std::find_if(Entries.begin(), Entries.end(), [&](const TFolderEntry& e) { return e.Name == Name; });
}

}  // namespace

TEST_F(FolderReader, ListsEveryEntryInNameOrderWithItsKind) {
  Touch("b.rtf");
  Touch("A.txt");
  const std::vector<TFolderEntry> entries = FileSystem::ReadFolder(Root());
  EXPECT_EQ(Names(entries), (std::vector<std::string>{"A.txt", "b.rtf", "Sub"}));
  EXPECT_EQ(Find(entries, "Sub").Kind, TEntryKind::Folder);
  EXPECT_EQ(Find(entries, "b.rtf").Kind, TEntryKind::File);
  EXPECT_FALSE(Find(entries, "b.rtf").Link);
}

TEST_F(FolderReader, KeepsOnlyNamesMatchingTheMaskInAnyCase) {
  Touch("a.RTF");
  Touch("b.txt");
  Touch("c.doc");
  EXPECT_EQ(Names(FileSystem::ReadFolder(Root(), "*.rtf;*.doc")), (std::vector<std::string>{"a.RTF", "c.doc"}));
  EXPECT_EQ(FileSystem::ReadFolder(Root(), "*.*").size(), 4u);
}

TEST_F(FolderReader, RaisesPathNotFoundForAMissingFolder) {
  try {
    FileSystem::ReadFolder((FRoot / "missing").string());
    FAIL() << "no error";
  } catch (const pmrconv::EInOutError& error) {
    EXPECT_EQ(error.ErrorCode(), pmrconv::io::kPathNotFound);
  }
}

#ifndef _WIN32
TEST_F(FolderReader, TellsLinksHiddenNamesAndOtherKindsApart) {
  Touch("target.rtf");
  Touch(".hidden");
  fs::create_symlink(FRoot / "target.rtf", FRoot / "link.rtf");
  fs::create_directory_symlink(FRoot / "Sub", FRoot / "linked");
  fs::create_symlink(FRoot / "nowhere", FRoot / "dangling.rtf");
  ASSERT_EQ(::mkfifo((FRoot / "pipe.rtf").c_str(), 0600), 0);
  const std::vector<TFolderEntry> entries = FileSystem::ReadFolder(Root());
  EXPECT_TRUE(Find(entries, ".hidden").Hidden);
  EXPECT_EQ(Find(entries, "link.rtf").Kind, TEntryKind::File);
  EXPECT_TRUE(Find(entries, "link.rtf").Link);
  EXPECT_EQ(Find(entries, "linked").Kind, TEntryKind::Folder);  // the window lists it, the -r walk skips it
  EXPECT_TRUE(Find(entries, "linked").Link);
  EXPECT_EQ(Find(entries, "dangling.rtf").Kind, TEntryKind::Other);
  EXPECT_EQ(Find(entries, "dangling.rtf").Error, pmrconv::io::kFileNotFound);
  EXPECT_EQ(Find(entries, "pipe.rtf").Kind, TEntryKind::Other);
}

TEST_F(FolderReader, MarksEntriesThatCannotBeInspected) {
  if (::geteuid() == 0) GTEST_SKIP() << "root inspects every folder";
  Touch("Sub/a.rtf");
  fs::permissions(FRoot / "Sub", fs::perms::owner_read);
  const std::vector<TFolderEntry> entries = FileSystem::ReadFolder((FRoot / "Sub").string());
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].Kind, TEntryKind::Unknown);
  EXPECT_EQ(entries[0].Error, pmrconv::io::kAccessDenied);
}
#endif
