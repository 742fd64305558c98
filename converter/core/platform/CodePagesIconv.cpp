// glibc's iconv knows every Windows code page the converter decodes as "CP<number>" (CP932, CP1252, ...), apart
// from Mac Roman, which it calls MACINTOSH.

#include <iconv.h>

#include <cerrno>
#include <string>

#include "platform/CodePages.h"

namespace pmrconv::platform {

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);  // what iconv_open returns on failure

std::string IconvName(uint32_t CodePage) {
  if (CodePage == 10000) return "MACINTOSH";
  return "CP" + std::to_string(CodePage);
}

class TIconvDecoder final : public TCodePageDecoder {
public:
  explicit TIconvDecoder(iconv_t Handle) : FHandle(Handle) {}
  ~TIconvDecoder() override { iconv_close(FHandle); }

  TDecodedBytes Decode(std::string_view Bytes) override {
    iconv(FHandle, nullptr, nullptr, nullptr, nullptr);  // a fresh shift state for every character
    char in[2] = {};
    const size_t inSize = Bytes.size() < 2 ? Bytes.size() : 2;
    for (size_t k = 0; k < inSize; ++k) in[k] = Bytes[k];
    unsigned char out[16];
    char* inPtr = in;
    size_t inLeft = inSize;
    char* outPtr = reinterpret_cast<char*>(out);
    size_t outLeft = sizeof out;
    if (iconv(FHandle, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
      if (errno == EINVAL && inSize == 1) return {TBytesKind::LeadByte};
      return {};
    }
    // Converters that combine characters (CP1258) hold the last one back until flushed.
    iconv(FHandle, nullptr, nullptr, &outPtr, &outLeft);
    if (inLeft != 0 || sizeof out - outLeft != 4) return {};
    const char32_t c = static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | static_cast<uint32_t>(out[3]) << 24);
    return {TBytesKind::Character, c};
  }

private:
  iconv_t FHandle;
};

}  // namespace

std::unique_ptr<TCodePageDecoder> OpenCodePage(uint32_t CodePage) {
  const iconv_t handle = iconv_open("UTF-32LE", IconvName(CodePage).c_str());
  if (handle == kNoConverter) return nullptr;
  return std::make_unique<TIconvDecoder>(handle);
}

uint32_t NameCodePage() noexcept { return 65001; }

}  // namespace pmrconv::platform
