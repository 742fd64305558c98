// Real RTF documents written by word processors and converters: each converts without crash or hang and its page
// ends with the tail, or fails with one of the converter's own errors.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "ConvertHelpers.h"
#include "FileHelpers.h"

namespace fs = std::filesystem;
using namespace pmrconv;
using namespace pmrconv::test;

TEST_F(ConverterTest, CorpusDocumentsConvertOrFailCleanly) {
  const fs::path dir = PMRCONV_CORPUS_DIR;
  if (!fs::is_directory(dir)) GTEST_SKIP() << "no corpus at " << dir;
  int count = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.path().extension() != ".rtf") continue;
    SCOPED_TRACE(entry.path().filename().string());
    const std::string text = ReadAll(entry.path());
    const auto start = std::chrono::steady_clock::now();
    std::string page;
    try {
      ConvertText(text, entry.path().filename().string(), page);
    } catch (const rtl::Exception& e) {
      EXPECT_FALSE(e.Message().empty());
    }
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 10.0);
    EXPECT_TRUE(page.ends_with(kTail));
    ++count;
  }
  EXPECT_GT(count, 0);
}
