#include <gtest/gtest.h>

#include "PageRules.h"

using PageRules::MessageWithPeriod;

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
