#pragma once
// What every converter fuzz target checks about one conversion of a document held in memory.

#include <cstdlib>
#include <cstdio>
#include <string>
#include <string_view>

#include "pmrconv.h"
#include "pmrconv/Context.h"

namespace pelmora::fuzz {

inline constexpr std::string_view kHead =
    "<HTML>\r\n<HEAD>\r\n<TITLE>fuzz.rtf</TITLE>\r\n</HEAD>\r\n"
    R"(<BODY TEXT="#000000" BGCOLOR="#FFFFFF" LINK="#3333FF" VLINK="#999999" ALINK="#FF0000">)"
    "\r\n";
inline constexpr std::string_view kTail = "</BODY>\r\n</HTML>\r\n";

[[noreturn]] inline void Fail(const char* What) {
  std::fprintf(stderr, "invariant broken: %s\n", What);
  std::abort();
}

// Converts Rtf: only the converter's own errors may end it, and the page has its head and tail on every path.
// Each input starts from the font table of process start, so that a finding reproduces from its input alone.
inline void ConvertAndCheck(std::string_view Rtf) {
  pmrconv::TConversionContext& ctx = pmrconv::Context();
  ctx.FontTable = {};
  std::string page;
  try {
    pmrconv::ConvertText(Rtf, "fuzz.rtf", page);
  } catch (const rtl::Exception& e) {
    if (e.Message().empty()) Fail("an error without a message");
  }
  if (!page.starts_with(kHead)) Fail("the page does not start with its head");
  if (!page.ends_with(kTail) || page.size() < kHead.size() + kTail.size()) Fail("the page lost its tail");
  if (ctx.Sink != nullptr || !ctx.LineBuffer.empty() || !ctx.ColourTable.empty()) {
    Fail("the conversion left its context behind");
  }
}

}  // namespace pelmora::fuzz
