#include <gtest/gtest.h>

#include "PathNames.h"

using PathNames::FileNameOf;
using PathNames::JoinPath;
using PathNames::PageNameFor;

TEST(PageName, ReplacesTheLastThreeCharactersButStaysInTheFolder) {
  EXPECT_EQ(PageNameFor("/d/letter.rtf"), "/d/letter.htm");
  EXPECT_EQ(PageNameFor("/d/notes.html"), "/d/notes.hhtm");
  EXPECT_EQ(PageNameFor("/d/README"), "/d/REAhtm");
  EXPECT_EQ(PageNameFor("/d/page.htm"), "/d/page.htm");
  EXPECT_EQ(PageNameFor("/docs/ab"), "/docs/htm");  // not "/dochtm" beside the folder
  EXPECT_EQ(PageNameFor("d/ab"), "d/htm");
  EXPECT_EQ(PageNameFor("ab"), "htm");
  EXPECT_EQ(PageNameFor("letter.rtf"), "letter.htm");
}

TEST(PageName, TakesBackslashAsASeparatorOnlyOnWindows) {
#ifdef _WIN32
  EXPECT_EQ(PageNameFor("docs\\ab"), "docs\\htm");
  EXPECT_EQ(PageNameFor("c:\\docs\\letter.rtf"), "c:\\docs\\letter.htm");
  EXPECT_EQ(FileNameOf("c:\\docs/a.rtf"), "a.rtf");
#else
  EXPECT_EQ(PageNameFor("d/a\\b.rtf"), "d/a\\b.htm");
  EXPECT_EQ(FileNameOf("d/a\\b.rtf"), "a\\b.rtf");
  EXPECT_EQ(PathNames::FolderOf("d/a\\b.rtf"), "d/");
#endif
}

TEST(PageName, EndsANameAtADriveColonOnlyOnWindows) {
#ifdef _WIN32
  EXPECT_EQ(PageNameFor("c:ab"), "c:htm");
#else
  EXPECT_EQ(PageNameFor("c:ab"), "chtm");  // a colon is an ordinary character here
#endif
  EXPECT_EQ(PageNameFor("c:letter.rtf"), "c:letter.htm");
}

TEST(JoinPath, PutsOneSeparatorBetweenFolderAndName) {
  const std::string separator(1, PathNames::kSeparator);
  EXPECT_EQ(JoinPath("/home/ann", "letter.rtf"), "/home/ann" + separator + "letter.rtf");
  EXPECT_EQ(JoinPath("/", "letter.rtf"), "/letter.rtf");
  EXPECT_EQ(JoinPath("", "letter.rtf"), "letter.rtf");  // a path relative to the current folder stays one
  EXPECT_EQ(JoinPath("docs", ""), "docs");
#ifdef _WIN32
  EXPECT_EQ(JoinPath("c:\\docs", "a.rtf"), "c:\\docs\\a.rtf");
  EXPECT_EQ(JoinPath("c:/docs/", "a.rtf"), "c:/docs/a.rtf");
#endif
}

TEST(SameName, ComparesAsTheFileSystemDoes) {
  EXPECT_TRUE(PathNames::SameName("d/a.htm", "d/a.htm"));
#ifdef _WIN32
  EXPECT_TRUE(PathNames::SameName("D\\A.HTM", "d/a.htm"));
#else
  EXPECT_FALSE(PathNames::SameName("d/A.htm", "d/a.htm"));
#endif
  EXPECT_FALSE(PathNames::SameName("d/a.htm", "d/a.html"));
}
