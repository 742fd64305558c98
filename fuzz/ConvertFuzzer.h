#pragma once
// What every converter fuzz target checks about one conversion of a document held in memory.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "pmrconv.h"
#include "pmrconv/Context.h"
#include "pmrconv/Convert.h"
#include "pmrconv/HtmlOutput.h"
#include "pmrconv/LineSource.h"

namespace pelmora::fuzz {

inline constexpr std::string_view kHead =
    "<HTML>\r\n<HEAD>\r\n<TITLE>fuzz.rtf</TITLE>\r\n</HEAD>\r\n"
    R"(<BODY TEXT="#000000" BGCOLOR="#FFFFFF" LINK="#3333FF" VLINK="#999999" ALINK="#FF0000">)"
    "\r\n";
inline constexpr std::string_view kUtf8Head =
    "<HTML>\r\n<HEAD>\r\n"
    R"(<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=utf-8">)"
    "\r\n<TITLE>fuzz.rtf</TITLE>\r\n</HEAD>\r\n"
    R"(<BODY TEXT="#000000" BGCOLOR="#FFFFFF" LINK="#3333FF" VLINK="#999999" ALINK="#FF0000">)"
    "\r\n";
inline constexpr std::string_view kTail = "</BODY>\r\n</HTML>\r\n";

[[noreturn]] inline void Fail(const char* What) {
  std::fprintf(stderr, "invariant broken: %s\n", What);
  std::abort();
}

// The page may grow faster than the document, though by a bounded factor: a control word of three bytes can close
// and reopen the few tags of its level, among them a face tag whose name of up to 31 characters is written with
// every quote as "&quot;". Pages beyond the limit are cut off; time and memory are then judged per byte written,
// not per byte read.
struct TPageTooLong {};

class TLimitedSink final : public pmrconv::TPageSink {
public:
  TLimitedSink(std::string& Page, size_t Limit) : FPage(Page), FLimit(Limit) {}
  void Write(std::string_view Bytes) override {
    if (FPage.size() + Bytes.size() > FLimit) throw TPageTooLong{};
    FPage.append(Bytes);
  }
  void Flush() override {}

private:
  std::string& FPage;
  size_t FLimit;
};

// Serves the document in blocks of a few bytes, so that line ends, CR LF pairs and Ctrl-Z fall on block edges.
class TSmallBlocks final : public pmrconv::TBlockReader {
public:
  explicit TSmallBlocks(std::string_view Text) : FText(Text) {}
  size_t ReadBlock(char* Buffer, size_t Size) override {
    const size_t n = std::min(Size, FText.size());
    std::memcpy(Buffer, FText.data(), n);
    FText.remove_prefix(n);
    return n;
  }

private:
  std::string_view FText;
};

struct TOutcome {
  std::string Page;
  std::string Error;  // message of the converter's error, empty without one
  bool Cut = false;   // the page reached the limit
};

template <typename TSource>
TOutcome Convert(TSource& Source, size_t Limit, const pmrconv::TConvertOptions& Options) {
  pmrconv::TConversionContext context;  // each input starts from fonts of its own: findings reproduce alone
  TOutcome outcome;
  TLimitedSink sink(outcome.Page, Limit);
  try {
    pmrconv::ConvertStream(context, Source, sink, "fuzz.rtf", Options);
  } catch (const TPageTooLong&) {
    outcome.Cut = true;
  } catch (const rtl::Exception& e) {
    outcome.Error = e.Message();
    if (outcome.Error.empty()) Fail("an error without a message");
  }
  if (context.Output.Sink != nullptr || !context.Output.LineBuffer.empty() || !context.ColourTable.empty()) {
    Fail("the conversion left its context behind");
  }
  return outcome;
}

// Whether Text is well-formed UTF-8 (shortest forms, no surrogates, nothing beyond U+10FFFF).
inline bool IsUtf8(std::string_view Text) {
  for (size_t i = 0; i < Text.size();) {
    const auto b = static_cast<unsigned char>(Text[i]);
    const size_t n = b < 0x80 ? 1 : b >= 0xC2 && b <= 0xDF ? 2 : (b >> 4) == 0xE ? 3 : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
    if (n == 0 || i + n > Text.size()) return false;
    for (size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(Text[i + k]) & 0xC0) != 0x80) return false;
    }
    const auto second = n > 1 ? static_cast<unsigned char>(Text[i + 1]) : 0x80;
    if ((b == 0xE0 && second < 0xA0) || (b == 0xED && second >= 0xA0) || (b == 0xF0 && second < 0x90) ||
        (b == 0xF4 && second >= 0x90)) {
      return false;
    }
    i += n;
  }
  return true;
}

// Converts Rtf from memory to one kind of page: only the converter's own errors may end it, and the page has its
// head and tail on every path. Read in small blocks instead, the document gives the same page and the same error.
inline void ConvertAndCheckPage(std::string_view Rtf, const pmrconv::TConvertOptions& Options, std::string_view Head) {
  const size_t limit = 64 * Rtf.size() + (1u << 20);
  pmrconv::TLineSource whole(Rtf);
  const TOutcome outcome = Convert(whole, limit, Options);
  if (outcome.Cut) return;
  if (!outcome.Page.starts_with(Head)) Fail("the page does not start with its head");
  if (!outcome.Page.ends_with(kTail) || outcome.Page.size() < Head.size() + kTail.size()) {
    Fail("the page lost its tail");
  }
  if (Options.Page == pmrconv::TPageKind::Utf8 && !IsUtf8(outcome.Page)) Fail("the UTF-8 page is no UTF-8");

  TSmallBlocks blocks(Rtf);
  pmrconv::TLineSource pieces(blocks, 1 + Rtf.size() % 7);
  const TOutcome inPieces = Convert(pieces, limit, Options);
  if (inPieces.Page != outcome.Page || inPieces.Error != outcome.Error || inPieces.Cut) {
    Fail("reading in small blocks changes the page");
  }
}

// Both kinds of page.
inline void ConvertAndCheck(std::string_view Rtf) {
  ConvertAndCheckPage(Rtf, {}, kHead);
  ConvertAndCheckPage(Rtf, {.Page = pmrconv::TPageKind::Utf8}, kUtf8Head);
}

}  // namespace pelmora::fuzz
