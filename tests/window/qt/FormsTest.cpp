#include <gtest/gtest.h>

#include <stdexcept>

#include "ErrorCapture.h"
#include "Exception.h"
#include "Forms.h"
#include "TFormQt.h"

TEST(ApplicationTitle, IsTheFileNameUpToItsFirstDotWithTheRestInLowerCase) {
  EXPECT_EQ(Forms::TitleFromFileName("/usr/bin/pelmora"), "pelmora");
  EXPECT_EQ(Forms::TitleFromFileName("Pelmora"), "Pelmora");
  EXPECT_EQ(Forms::TitleFromFileName("/opt/x.y/PELMORA.tar.gz"), "Pelmora");
  EXPECT_EQ(Forms::TitleFromFileName("/tmp/.hidden"), "");
}

TEST(ErrorText, ShowsTheOwnMessageOfProjectErrorsAndWhatOfOthers) {
  TErrorCapture errors;
  Forms::Guarded([] { throw rtl::Exception("Datei nicht gefunden"); });
  Forms::Guarded([] { throw std::runtime_error("kaputt"); });
  ASSERT_EQ(errors.Shown.size(), 2u);
  EXPECT_EQ(errors.Shown[0].Text, "Datei nicht gefunden.");
  EXPECT_EQ(errors.Shown[1].Text, "kaputt.");
  EXPECT_EQ(errors.Shown[0].Caption, "pelmora_window_tests");
}

TEST(ScreenText, KeepsBytesThatAreNotUtf8) {
  EXPECT_EQ(Forms::ToQString("Gr\xC3\xB6\xC3\x9F" "e"), QString::fromUtf8("Größe"));
  EXPECT_EQ(Forms::ToQString("caf\xE9"), QString::fromUtf8("café"));
}
