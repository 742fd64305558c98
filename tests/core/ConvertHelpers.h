#pragma once
// Helpers for the converter tests: whole pages from ConvertText and the body between head and tail.

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <string_view>

#include "pmrconv.h"
#include "pmrconv/Context.h"

namespace pmrconv::test {

inline constexpr std::string_view kBodyTag =
    R"(<BODY TEXT="#000000" BGCOLOR="#FFFFFF" LINK="#3333FF" VLINK="#999999" ALINK="#FF0000">)";
inline constexpr std::string_view kTail = "</BODY>\r\n</HTML>\r\n";

inline std::string Head(std::string_view Title) {
  return "<HTML>\r\n<HEAD>\r\n<TITLE>" + std::string(Title) + "</TITLE>\r\n</HEAD>\r\n" + std::string(kBodyTag) +
         "\r\n";
}

// Piece written Times times over, for documents and lines of pathological size.
inline std::string Repeat(std::string_view Piece, size_t Times) {
  std::string s;
  s.reserve(Piece.size() * Times);
  for (size_t i = 0; i < Times; ++i) s += Piece;
  return s;
}

// Text with every line end (CR LF, CR or LF) written End.
inline std::string WithLineEnds(std::string_view Text, const char* End) {
  static const std::regex kLineEnd("\r\n|\r|\n");
  return std::regex_replace(std::string(Text), kLineEnd, End);
}

// The page lines between the head and the tail, each with its CR LF.
inline std::string BodyOf(const std::string& Page, std::string_view Title = "t.rtf") {
  const std::string head = Head(Title);
  EXPECT_TRUE(Page.starts_with(head)) << Page;
  EXPECT_TRUE(Page.ends_with(kTail)) << Page;
  if (!Page.starts_with(head) || !Page.ends_with(kTail) || Page.size() < head.size() + kTail.size()) return Page;
  return Page.substr(head.size(), Page.size() - head.size() - kTail.size());
}

// Lines without their line ends, joined.
inline std::string Joined(std::string_view Lines) {
  std::string joined;
  for (size_t at = 0; at < Lines.size();) {
    const size_t end = Lines.find("\r\n", at);
    joined += Lines.substr(at, end - at);
    at = end == std::string_view::npos ? Lines.size() : end + 2;
  }
  return joined;
}

// The body of Rtf converted in Context as one string: the body lines without their line ends, joined.
inline std::string Body(TConversionContext& Context, std::string_view Rtf) {
  return Joined(BodyOf(ConvertText(Context, Rtf, "t.rtf")));
}

// Every test converts in a context of its own, which starts with a font table as at process start; the
// conversions of one test share it, as the documents of one program run do.
class ConverterTest : public ::testing::Test {
protected:
  std::string Body(std::string_view Rtf) { return test::Body(FContext, Rtf); }
  std::string ConvertText(std::string_view Source, const std::string& Title, const TConvertOptions& Options = {}) {
    return pmrconv::ConvertText(FContext, Source, Title, Options);
  }
  void ConvertText(std::string_view Source, const std::string& Title, std::string& Page,
                   const TConvertOptions& Options = {}) {
    pmrconv::ConvertText(FContext, Source, Title, Page, Options);
  }
  void ConvertFile(const std::string& SourceName, const std::string& DestName) {
    pmrconv::ConvertFile(FContext, SourceName, DestName);
  }

  TConversionContext FContext;
};

}  // namespace pmrconv::test
