// MultiByteToWideChar with MB_ERR_INVALID_CHARS reports bytes a code page leaves undefined instead of replacing
// them by its default character; IsDBCSLeadByteEx tells the lead bytes of the double-byte code pages.

#include <windows.h>

#include "platform/CodePages.h"

namespace pmrconv::platform {

namespace {

class TWin32Decoder final : public TCodePageDecoder {
public:
  explicit TWin32Decoder(UINT CodePage) : FCodePage(CodePage) {}

  TDecodedBytes Decode(std::string_view Bytes) override {
    if (Bytes.empty() || Bytes.size() > 2) return {};
    if (Bytes.size() == 1 && IsDBCSLeadByteEx(FCodePage, static_cast<BYTE>(Bytes[0]))) {
      return {TBytesKind::LeadByte};
    }
    WCHAR out[4];
    const int n = MultiByteToWideChar(FCodePage, MB_ERR_INVALID_CHARS, Bytes.data(), static_cast<int>(Bytes.size()),
                                      out, 4);
    if (n == 1) return {TBytesKind::Character, static_cast<char32_t>(out[0])};
    if (n == 2 && out[0] >= 0xD800 && out[0] < 0xDC00 && out[1] >= 0xDC00 && out[1] < 0xE000) {
      return {TBytesKind::Character, 0x10000 + ((static_cast<char32_t>(out[0]) - 0xD800) << 10) + (out[1] - 0xDC00)};
    }
    return {};
  }

private:
  UINT FCodePage;
};

}  // namespace

std::unique_ptr<TCodePageDecoder> OpenCodePage(uint32_t CodePage) {
  if (!IsValidCodePage(CodePage)) return nullptr;
  return std::make_unique<TWin32Decoder>(CodePage);
}

uint32_t NameCodePage() noexcept { return GetACP(); }

}  // namespace pmrconv::platform
