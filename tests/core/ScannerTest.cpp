// The RTF scanner: the tokens it reads, and how it moves through the working line for the readers (groups skipped,
// a look-ahead marked and rewound, a word handed back).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pmrconv/RtfScanner.h"

using namespace pmrconv;

namespace {

// The tokens up to End, each as kind letter and text: {, }, S(ymbol), H(ex), *(star), W(ord), T(ext), D(ropped).
std::vector<std::string> TokensOf(TRtfScanner& Scanner, size_t Count = SIZE_MAX) {
  static constexpr char kLetters[] = "{}SH*WTDE";
  std::vector<std::string> tokens;
  while (tokens.size() < Count) {
    const TToken token = Scanner.Next();
    if (token.Kind == TTokenKind::End) break;
    tokens.push_back(kLetters[static_cast<int>(token.Kind)] + std::string(token.Text));
  }
  return tokens;
}

using Tokens = std::vector<std::string>;

}  // namespace

TEST(Scanner, ReadsTokensAcrossLines) {
  TLineSource source("{\\b0 a<b\\'e4\\~\\*\\bkmkstart}\\fs2\r\n4 x\\1\\\r\nend");
  TRtfScanner scanner(source);
  // A word that ends its line is read whole; a backslash before a line end is a paragraph.
  EXPECT_EQ(TokensOf(scanner), (Tokens{"{", "Wb0", "Ta<b", "He4", "S ", "*bkmk", "Wbkmkstart", "}", "Wfs2", "T4 x",
                                       "D", "Wpar", "Tend"}));
}

TEST(Scanner, SkipsADestinationsGroupToItsBrace) {
  TLineSource source("{\\pict 0a{\\x}\r\nff\\bin3 }}}}rest");  // the data is three braces
  TRtfScanner scanner(source);
  EXPECT_EQ(TokensOf(scanner, 2), (Tokens{"{", "Wpict"}));
  scanner.SkipGroup();
  EXPECT_EQ(TokensOf(scanner), (Tokens{"}", "Trest"}));
}

// A look-ahead joins the lines it reads, steps over skipped groups without removing them, and rewinds to the word
// that began it, delimiter included.
TEST(Scanner, RewindsALookAheadToItsWord) {
  TLineSource source("\\row\\pard x{\\*\\bkmkstart m}y\r\nmore\\pard z");
  TRtfScanner scanner(source);
  EXPECT_EQ(TokensOf(scanner, 2), (Tokens{"Wrow", "Wpard"}));
  scanner.Mark();
  EXPECT_EQ(TokensOf(scanner, 3), (Tokens{"T x", "{", "*bkmk"}));
  scanner.SkipGroup();
  EXPECT_EQ(TokensOf(scanner, 4), (Tokens{"}", "Ty", "Tmore", "Wpard"}));
  scanner.Rewind();
  EXPECT_FALSE(scanner.Marked());
  EXPECT_EQ(scanner.Rest(), "\\pard x{\\*\\bkmkstart m}ymore\\pard z");
}

TEST(Scanner, AWordHandedBackIsReadAgainEvenWhenItEndedItsLine) {
  TLineSource source("ab\\par\r\ncd");
  TRtfScanner scanner(source);
  EXPECT_EQ(TokensOf(scanner, 2), (Tokens{"Tab", "Wpar"}));
  scanner.Unread();
  scanner.HandBack();
  EXPECT_EQ(TokensOf(scanner), (Tokens{"Wpar", "Tcd"}));
}
