#pragma once
// Helpers for the tests of the UTF-8 page.

#include <string>
#include <string_view>

#include "ConvertHelpers.h"

namespace pmrconv::test {

inline const TConvertOptions kUtf8Page{TPageKind::Utf8};

inline constexpr std::string_view kMeta = R"(<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=utf-8">)";

// The head of a UTF-8 page whose title, already escaped, is Title.
inline std::string Utf8Head(std::string_view Title) {
  return "<HTML>\r\n<HEAD>\r\n" + std::string(kMeta) + "\r\n<TITLE>" + std::string(Title) + "</TITLE>\r\n</HEAD>\r\n" +
         std::string(kBodyTag) + "\r\n";
}

// The bytes of a UTF-8 literal as a plain string.
inline std::string U8(std::u8string_view Text) { return std::string(Text.begin(), Text.end()); }

// The body of the UTF-8 page of Rtf converted in Context as one string, its lines joined.
inline std::string Utf8Body(TConversionContext& Context, std::string_view Rtf) {
  const std::string page = ConvertText(Context, Rtf, "t.rtf", kUtf8Page);
  const std::string head = Utf8Head("t.rtf");
  EXPECT_TRUE(page.starts_with(head)) << page;
  EXPECT_TRUE(page.ends_with(kTail)) << page;
  if (!page.starts_with(head) || !page.ends_with(kTail)) return page;
  return Joined(std::string_view(page).substr(head.size(), page.size() - head.size() - kTail.size()));
}

// Whether Text is well-formed UTF-8.
inline bool IsUtf8(std::string_view Text) {
  for (size_t i = 0; i < Text.size();) {
    const auto b = static_cast<unsigned char>(Text[i]);
    const size_t n = b < 0x80 ? 1 : (b >> 5) == 6 && b >= 0xC2 ? 2 : (b >> 4) == 14 ? 3 : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
    if (n == 0 || i + n > Text.size()) return false;
    for (size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(Text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += n;
  }
  return true;
}

// The converter's fixture with the UTF-8 body in the test's context.
class Utf8Test : public ConverterTest {
protected:
  std::string Utf8Body(std::string_view Rtf) { return test::Utf8Body(FContext, Rtf); }
};

}  // namespace pmrconv::test
