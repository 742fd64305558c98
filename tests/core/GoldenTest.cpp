// Golden examples: each golden/NAME.rtf converts to golden/NAME.htm byte for byte (title NAME.rtf), and the
// sample letter converts to golden/letter.htm.

#include <gtest/gtest.h>

#include <filesystem>

#include "ConvertHelpers.h"

#include "FileHelpers.h"

namespace fs = std::filesystem;
using namespace pmrconv;
using namespace pmrconv::test;

namespace {

// Where the two texts first differ, with some context of each.
std::string Difference(const std::string& Expected, const std::string& Actual) {
  size_t at = 0;
  while (at < Expected.size() && at < Actual.size() && Expected[at] == Actual[at]) ++at;
  const size_t from = at > 40 ? at - 40 : 0;
  return "first difference at byte " + std::to_string(at) + "\n  expected: " +
         testing::PrintToString(Expected.substr(from, 100)) +
         "\n  actual:   " + testing::PrintToString(Actual.substr(from, 100));
}

void ExpectGolden(const fs::path& Rtf, const fs::path& Htm) {
  ASSERT_TRUE(fs::exists(Htm)) << Htm;
  std::string page;
  try {
    ConvertText(ReadAll(Rtf), Rtf.filename().string(), page);
  } catch (const rtl::Exception& e) {
    ADD_FAILURE() << Rtf.filename() << ": " << e.Message();
  }
  const std::string expected = ReadAll(Htm);
  EXPECT_EQ(page, expected) << Rtf.filename() << ": " << Difference(expected, page);
}

}  // namespace

TEST_F(ConverterTest, GoldenExamplesConvertByteForByte) {
  const fs::path dir = PMRCONV_GOLDEN_DIR;
  int count = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.path().extension() != ".rtf") continue;
    Context().FontTable = {};
    ExpectGolden(entry.path(), fs::path(entry.path()).replace_extension(".htm"));
    ++count;
  }
  EXPECT_GE(count, 5);
}

TEST_F(ConverterTest, SampleLetterShowsFontsColoursAndTheTable) {
  const fs::path letter = fs::path(PMRCONV_EXAMPLES_DIR) / "letter.rtf";
  ExpectGolden(letter, fs::path(PMRCONV_GOLDEN_DIR) / "letter.htm");
  const std::string page = ConvertText(ReadAll(letter), "letter.rtf");
  for (const char* shown : {"<FONT FACE=\"Arial\">", "<FONT COLOR=\"#CC0000\">", "<TABLE BORDER=2>", "<TD>",
                            "&uuml;", "<B>", "<I>", "[*** picture ***]"}) {
    EXPECT_NE(page.find(shown), std::string::npos) << shown;
  }
}
