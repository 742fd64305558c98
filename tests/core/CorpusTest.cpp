// Real RTF documents written by word processors and converters: each converts without an error, crash or hang, as
// stored and with its line ends rewritten, and the line ends never change its page.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <regex>
#include <vector>

#include "ConvertHelpers.h"
#include "FileHelpers.h"
#include "Utf8Helpers.h"

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

// The page of Text, converted in a context of its own; an error is a failure, and so is a conversion that takes too
// long.
std::string ConvertOrFail(const std::string& Text, const TConvertOptions& Options = {}) {
  const auto start = std::chrono::steady_clock::now();
  TConversionContext context;
  std::string page;
  try {
    ConvertText(context, Text, "t.rtf", page, Options);
  } catch (const rtl::Exception& e) {
    ADD_FAILURE() << e.Message();
  }
  EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 10.0);
  EXPECT_TRUE(page.ends_with(kTail));
  return page;
}

// The page's breaks and table tags in order ("BR", "TD", "/TR", ...): its structure, which the clean-up of empty
// formatting pairs does not touch.
std::vector<std::string> Structure(std::string_view Page) {
  static const std::regex kBlockTag("<(BR|P|/?TABLE|/?TR|/?TD)[ \\r>]");
  std::vector<std::string> tags;
  const std::string page(Page);
  for (auto it = std::sregex_iterator(page.begin(), page.end(), kBlockTag); it != std::sregex_iterator(); ++it) {
    tags.push_back((*it)[1]);
  }
  return tags;
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
    ConvertOrFail(document.Text);
    ConvertOrFail(WithLineEnds(document.Text, "\r\n"));
  }
}

TEST_F(Corpus, LineEndsNeverChangeThePage) {
  int checked = 0;
  for (const TDocument& document : FDocuments) {
    if (document.Text.find("\\bin") != std::string::npos) continue;  // line ends inside binary data are data
    SCOPED_TRACE(document.Name);
    for (const TConvertOptions& options : {TConvertOptions{}, kUtf8Page}) {
      const std::string crlf = ConvertOrFail(WithLineEnds(document.Text, "\r\n"), options);
      for (const char* end : {"\n", "\r"}) {
        EXPECT_TRUE(ConvertOrFail(WithLineEnds(document.Text, end), options) == crlf)
            << "differs with " << testing::PrintToString(end) << (options.Page == TPageKind::Utf8 ? " (UTF-8)" : "");
      }
    }
    ++checked;
  }
  EXPECT_GT(checked, 0);
}

TEST_F(Corpus, EveryDocumentGivesAWellFormedUtf8PageOfTheSameStructure) {
  for (const TDocument& document : FDocuments) {
    SCOPED_TRACE(document.Name);
    const std::string page = ConvertOrFail(document.Text);
    const std::string utf8 = ConvertOrFail(document.Text, kUtf8Page);
    EXPECT_TRUE(utf8.starts_with(Utf8Head("t.rtf")));
    EXPECT_TRUE(IsUtf8(utf8));
    EXPECT_TRUE(Structure(utf8) == Structure(page));
  }
}

TEST_F(Corpus, NoPageIsMoreThanTwentyTimesItsDocument) {
  for (const TDocument& document : FDocuments) {
    EXPECT_LE(ConvertOrFail(document.Text).size(), 20 * document.Text.size()) << document.Name;
  }
}
