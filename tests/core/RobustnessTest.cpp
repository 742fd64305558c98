// Inputs that must neither crash nor hang: deep nesting, documents in one huge line, pathological repetitions.
// Each runs under a generous time limit; the limits guard against quadratic paths, not speed.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "ConvertHelpers.h"

using namespace pmrconv;
using namespace pmrconv::test;

namespace {

// Converts Rtf, expecting the tail at the end of the page whether or not an error ends the reading, within Seconds.
std::string ConvertWithin(std::string_view Rtf, double Seconds) {
  const auto start = std::chrono::steady_clock::now();
  std::string page;
  try {
    ConvertText(Rtf, "t.rtf", page);
  } catch (const rtl::Exception&) {
  }
  const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(took, Seconds) << "input of " << Rtf.size() << " bytes starting " << Rtf.substr(0, 40);
  EXPECT_TRUE(page.ends_with(kTail));
  return page;
}

constexpr size_t kMillion = 1000000;

}  // namespace

using Robustness = ConverterTest;

TEST_F(Robustness, AMillionNestedGroupsNeitherOverflowNorLoseTheTail) {
  ConvertWithin(Repeat("{", kMillion), 20);
  EXPECT_EQ(Body(Repeat("{", kMillion) + "x" + Repeat("}", kMillion) + "y"), "xy");
  const std::string bold = ConvertWithin(Repeat("{\\b ", 200000) + "x" + Repeat("}", 200000), 30);
  EXPECT_NE(bold.find("<B><B>x</B></B>"), std::string::npos);
}

TEST_F(Robustness, LfAndOneLineDocumentsConvertLikeTheirCrLfForm) {
  std::string para = "\\pard\\f0\\fs24 Text \\b bold\\b0 {\\i it} \\'e4{\\*\\bkmkstart a}\\par";
  std::string table = "\\trowd\\cellx100\\pard\\intbl A\\cell\\row\\pard after\\par";
  std::string lf = "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}\n";
  std::string crlf = lf.substr(0, lf.size() - 1) + "\r\n";
  for (int i = 0; i < 20000; ++i) {
    lf += para + "\n" + table + "\n";
    crlf += para + "\r\n" + table + "\r\n";
  }
  lf += "}";
  crlf += "}";
  std::string oneLine = lf;
  std::erase(oneLine, '\n');
  const std::string many = ConvertWithin(crlf, 20);
  EXPECT_EQ(ConvertWithin(lf, 20), many);
  EXPECT_EQ(ConvertWithin(oneLine, 20), many);
}

TEST_F(Robustness, RepeatedKeywordsOnOneLineStayLinear) {
  const size_t n = 100000;
  const std::pair<std::string, size_t> cases[] = {
      {"{\\fonttbl", n},
      {"\\fonttbl", n},
      {"{\\fonttbl{\\f00000000000000000001", n / 4},
      {"{\\colortbl;", n},
      {"\\colortbl;\\red1", n},
      {"{\\*\\x bin \\bin9", n},
      {"\\trowd A\\cell\\row\\pard x{\\*\\y}", n},
      {"\\row\\widctlpar\\intbl\\trowd", n},
      {"\\trowd\\row\\pard a{", n},
      {"\\b\\i\\b0", n / 10},
      {"x", 50 * n},
  };
  for (const auto& [piece, times] : cases) {
    SCOPED_TRACE(piece);
    ConvertWithin("{" + Repeat(piece, times), 20);
    ConvertWithin("{" + Repeat(piece + "\r\n", times), 20);
  }
}

TEST_F(Robustness, UnterminatedConstructsAtTheEndOfTheInput) {
  const char* endings[] = {"{\\", "{\\'", "{\\'4", "{\\b", "{\\*", "{\\pict", "{\\pict\\bin99999999999999999999 ab",
                           "{\\fonttbl{\\f", "{\\fonttbl{\\f1 x", "{\\colortbl;\\red", "{\\trowd", "{\\trowd\\row\\pard",
                           "}", "\\", "{\\fonttbl{\\f0{\\*\\falt"};
  for (const char* ending : endings) {
    SCOPED_TRACE(ending);
    ConvertWithin(ending, 5);
    ConvertWithin(std::string(ending) + "\r\n", 5);
  }
}

TEST_F(Robustness, RepeatedFormattingWordsGiveAPageThatGrowsLinearly) {
  // Each \b0 finds no bold and each \i finds the italic already on: neither may add to the page.
  const char* pieces[] = {"\\i w\\b0 ", "\\b\\i\\ul\\strike w", "\\qr\\b w\\i0\\ul0 ", "\\super\\sub w\\strike0 "};
  for (const char* piece : pieces) {
    SCOPED_TRACE(piece);
    const std::string small = "{\\rtf1 " + Repeat(piece, 8000) + "}";
    const std::string large = "{\\rtf1 " + Repeat(piece, 32000) + "}";
    const size_t smallPage = ConvertWithin(small, 20).size();
    const size_t largePage = ConvertWithin(large, 20).size();
    EXPECT_LT(largePage, 2 * large.size());
    EXPECT_LT(static_cast<double>(largePage) / static_cast<double>(smallPage), 4.2);
  }
}

TEST_F(Robustness, PagesStayUnderAHundredTimesTheirDocument) {
  const std::string longNames = "{\\fonttbl{\\f1 " + Repeat("\"", 5000) + ";}{\\f2 " + Repeat("N", 5000) + ";}}";
  const std::pair<std::string, std::string> cases[] = {
      {longNames, "\\f1\\f2"},                               // face names written again by every face word
      {longNames, "\\f1\\b0\\b"},                            // and reopened below a closed tag
      {"\\trowd " + Repeat("{\\b\\i\\ul\\qc ", 5000), "x\\cell "},  // a deep nest handed on from cell to cell
      {"\\trowd " + Repeat("{\\f1 ", 2000), "\\cell"},
  };
  for (const auto& [head, piece] : cases) {
    SCOPED_TRACE(piece);
    const std::string rtf = "{\\rtf1 " + head + Repeat(piece, 256 * 1024 / piece.size()) + "}";
    EXPECT_LT(ConvertWithin(rtf, 20).size(), 100 * rtf.size());
  }
}
