// Real RTF documents written by word processors and converters: each converts without an error, crash or hang, as
// stored and with its line ends rewritten, and the line ends never change its page.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <vector>

#include "ConvertHelpers.h"
#include "FileHelpers.h"

namespace fs = std::filesystem;
using namespace pmrconv;
using namespace pmrconv::test;

namespace {

struct TDocument {
  std::string Name;
  std::string Text;
};

// The documents of the shared corpus, or none when it is not there.
std::vector<TDocument> CorpusDocuments() {
  std::vector<TDocument> documents;
  const fs::path dir = PMRCONV_CORPUS_DIR;
  if (!fs::is_directory(dir)) return documents;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.path().extension() != ".rtf") continue;
    documents.push_back({entry.path().filename().string(), ReadAll(entry.path())});
  }
  return documents;
}

// The page of Text; an error is a failure, and so is a conversion that takes too long.
std::string ConvertOrFail(const std::string& Text) {
  const auto start = std::chrono::steady_clock::now();
  std::string page;
  try {
    ConvertText(Text, "t.rtf", page);
  } catch (const rtl::Exception& e) {
    ADD_FAILURE() << e.Message();
  }
  EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 10.0);
  EXPECT_TRUE(page.ends_with(kTail));
  return page;
}

class Corpus : public ConverterTest {
protected:
  void SetUp() override {
    ConverterTest::SetUp();
    FDocuments = CorpusDocuments();
    if (FDocuments.empty()) GTEST_SKIP() << "no corpus at " << PMRCONV_CORPUS_DIR;
  }
  std::vector<TDocument> FDocuments;
};

}  // namespace

TEST_F(Corpus, EveryDocumentConvertsAsStoredAndWithCrLf) {
  for (const TDocument& document : FDocuments) {
    SCOPED_TRACE(document.Name);
    Context().FontTable = {};
    ConvertOrFail(document.Text);
    Context().FontTable = {};
    ConvertOrFail(WithLineEnds(document.Text, "\r\n"));
  }
}

TEST_F(Corpus, LineEndsNeverChangeThePage) {
  int checked = 0;
  for (const TDocument& document : FDocuments) {
    if (document.Text.find("\\bin") != std::string::npos) continue;  // line ends inside binary data are data
    SCOPED_TRACE(document.Name);
    Context().FontTable = {};
    const std::string crlf = ConvertOrFail(WithLineEnds(document.Text, "\r\n"));
    for (const char* end : {"\n", "\r"}) {
      Context().FontTable = {};
      EXPECT_TRUE(ConvertOrFail(WithLineEnds(document.Text, end)) == crlf)
          << "differs with " << testing::PrintToString(end);
    }
    ++checked;
  }
  EXPECT_GT(checked, 0);
}

TEST_F(Corpus, NoPageIsMoreThanTwentyTimesItsDocument) {
  for (const TDocument& document : FDocuments) {
    Context().FontTable = {};
    EXPECT_LE(ConvertOrFail(document.Text).size(), 20 * document.Text.size()) << document.Name;
  }
}
