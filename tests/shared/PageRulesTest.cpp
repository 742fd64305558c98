#include <gtest/gtest.h>

#include "PageRules.h"

using PageRules::MessageWithPeriod;
using PageRules::PageNameFor;

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

TEST(PageName, TakesBackslashAsASeparatorToo) {
  EXPECT_EQ(PageNameFor("docs\\ab"), "docs\\htm");
  EXPECT_EQ(PageNameFor("c:\\docs\\letter.rtf"), "c:\\docs\\letter.htm");
}

TEST(PageName, EndsANameAtADriveColonOnlyOnWindows) {
#ifdef _WIN32
  EXPECT_EQ(PageNameFor("c:ab"), "c:htm");
#else
  EXPECT_EQ(PageNameFor("c:ab"), "chtm");  // a colon is an ordinary character here
#endif
  EXPECT_EQ(PageNameFor("c:letter.rtf"), "c:letter.htm");
}

TEST(ErrorText, GetsAPeriodOnlyWhenTheLastByteSortsAfterIt) {
  EXPECT_EQ(MessageWithPeriod("I/O-Fehler 32"), "I/O-Fehler 32.");
  EXPECT_EQ(MessageWithPeriod("Ende."), "Ende.");
  EXPECT_EQ(MessageWithPeriod("Achtung!"), "Achtung!");
  EXPECT_EQ(MessageWithPeriod("Maximum (3)"), "Maximum (3)");
  EXPECT_EQ(MessageWithPeriod("a-"), "a-");
  EXPECT_EQ(MessageWithPeriod("a/"), "a/.");
  EXPECT_EQ(MessageWithPeriod(""), "");
  // Bytes above 127 sort after "." too: a signed comparison would leave these without one.
  EXPECT_EQ(MessageWithPeriod("Menü"), "Menü.");
  EXPECT_EQ(MessageWithPeriod("Fu\xDF"), "Fu\xDF.");
}
