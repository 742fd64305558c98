// Conversion contexts: what one context carries from document to document, and that conversions in different
// contexts, in different threads, do not touch each other.

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "ConvertHelpers.h"
#include "FileHelpers.h"
#include "Utf8Helpers.h"

namespace fs = std::filesystem;
using namespace pmrconv;
using namespace pmrconv::test;

namespace {

// A document that declares fonts and colours and refers to fonts it does not declare, so that its page depends on
// the fonts earlier documents of its context left behind.
constexpr std::string_view kDeclaresFonts =
    "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier;}{\\f2 Times;}}{\\colortbl;\\red255\\green0\\blue0;}"
    "\\f1\\cf1 a\\f2\\b b\\trowd c\\cell\\row\\pard\\pard\\f7 d{\\pict 00}\\'e4\\par}";
constexpr std::string_view kUsesFonts = "{\\rtf1{\\fonttbl{\\f5 Verdana;}}\\f5 a\\f1 b\\f2\\qc c\\v d}";

}  // namespace

TEST(Contexts, FontsCarryOverWithinAContextAndNotToAnother) {
  TConversionContext first;
  ConvertText(first, kDeclaresFonts, "a.rtf");
  EXPECT_EQ(Body(first, kUsesFonts),
            "<FONT FACE=\"Verdana\">a</FONT><FONT FACE=\"Courier\">b</FONT><FONT FACE=\"Times\"><CENTER>c</CENTER></FONT>");
  TConversionContext second;
  EXPECT_EQ(Body(second, kUsesFonts),
            "<FONT FACE=\"Verdana\">a</FONT><FONT FACE=\"\">b</FONT><FONT FACE=\"\"><CENTER>c</CENTER></FONT>");
}

// The UTF-8 page decodes a font's text and name by the charset that the font table of its own context gave it.
TEST(Contexts, Utf8PagesDecodeByTheFontsOfTheirOwnContext) {
  constexpr std::string_view kGreekFont = "{\\rtf1\\ansi{\\fonttbl{\\f3\\fcharset161 \\'c1lfa;}}x}";
  constexpr std::string_view kUsesGreek = "{\\rtf1\\ansi\\f3 \\'e1}";  // no font table of its own
  TConversionContext first;
  ConvertText(first, kGreekFont, "a.rtf", kUtf8Page);
  EXPECT_EQ(Utf8Body(first, kUsesGreek), U8(u8"<FONT FACE=\"\u0391lfa\">\u03b1</FONT>"));
  // The 8-bit page of the same context keeps the name's bytes; the UTF-8 page after it decodes them again.
  EXPECT_EQ(Body(first, kUsesGreek), "<FONT FACE=\"\xc1lfa\">\xe1</FONT>");
  EXPECT_EQ(Utf8Body(first, kUsesGreek), U8(u8"<FONT FACE=\"\u0391lfa\">\u03b1</FONT>"));
  TConversionContext second;
  EXPECT_EQ(Utf8Body(second, kUsesGreek), U8(u8"<FONT FACE=\"\">\u00e1</FONT>"));
}

// Each thread converts its own documents to both pages in its own context, over and over, while the other does the
// same; every page must be the one that converting them one after the other gives.
TEST(Contexts, TwoThreadsConvertDifferentDocumentsAtOnceAsOneAfterTheOther) {
  const std::string letter = ReadAll(fs::path(PMRCONV_EXAMPLES_DIR) / "letter.rtf");
  const std::vector<std::vector<std::string>> documents = {
      {letter, std::string(kUsesFonts)},
      {std::string(kDeclaresFonts), std::string(kUsesFonts), ReadAll(fs::path(PMRCONV_GOLDEN_DIR) / "table-two-rows.rtf")}};

  // The pages of each thread's documents, converted in turn in one context, before any thread starts.
  std::vector<std::vector<std::string>> expected(documents.size());
  for (size_t t = 0; t < documents.size(); ++t) {
    TConversionContext context;
    for (const std::string& document : documents[t]) {
      expected[t].push_back(ConvertText(context, document, "t.rtf"));
      expected[t].push_back(ConvertText(context, document, "t.rtf", kUtf8Page));
    }
  }
  ASSERT_NE(expected[0][2], expected[1][2]) << "the second document must read the fonts its thread left";
  ASSERT_NE(expected[0][3], expected[1][3]) << "on both pages";

  constexpr int kRounds = 100;
  std::atomic<int> wrong{0};
  std::atomic<int> ready{0};
  std::vector<std::thread> threads;
  for (size_t t = 0; t < documents.size(); ++t) {
    threads.emplace_back([&, t] {
      TConversionContext context;
      ready.fetch_add(1);
      while (ready.load() < static_cast<int>(documents.size())) std::this_thread::yield();  // start together
      std::string page;
      for (int round = 0; round < kRounds; ++round) {
        for (size_t d = 0; d < documents[t].size(); ++d) {
          ConvertText(context, documents[t][d], "t.rtf", page);
          if (page != expected[t][2 * d]) wrong.fetch_add(1);
          ConvertText(context, documents[t][d], "t.rtf", page, kUtf8Page);
          if (page != expected[t][2 * d + 1]) wrong.fetch_add(1);
        }
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(wrong.load(), 0);
}
