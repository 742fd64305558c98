#pragma once
// The converter's code-page layer: decoding the bytes of a Windows code page into Unicode characters through the
// system's own converters (iconv on POSIX in CodePagesIconv.cpp, MultiByteToWideChar on Win32 in
// CodePagesWin32.cpp). The core holds no code-page tables of its own.
//
// What an implementation must guarantee. Decode is given one byte, or a lead byte and the byte after it, and tells
// whether they are one whole character (and which), the start of a two-byte character (one byte only), or no
// character of the code page. Bytes the code page leaves undefined are reported as such, never replaced by a
// default character.

#include <cstdint>
#include <memory>
#include <string_view>

namespace pmrconv::platform {

enum class TBytesKind : uint8_t {
  Character,  // the bytes are one character
  LeadByte,   // the one byte begins a two-byte character
  Undefined,  // the bytes are no character of the code page
};

struct TDecodedBytes {
  TBytesKind Kind = TBytesKind::Undefined;
  char32_t Character = 0;
};

// One code page of the system, open for decoding; owns the system's converter.
class TCodePageDecoder {
public:
  TCodePageDecoder() = default;
  TCodePageDecoder(const TCodePageDecoder&) = delete;
  TCodePageDecoder& operator=(const TCodePageDecoder&) = delete;
  virtual ~TCodePageDecoder() = default;

  // What Bytes (one or two bytes) are in this code page.
  virtual TDecodedBytes Decode(std::string_view Bytes) = 0;
};

// Opens the Windows code page CodePage (1252, 932, 10000, ...) for decoding; nullptr when the system cannot decode
// it. The caller owns the result.
std::unique_ptr<TCodePageDecoder> OpenCodePage(uint32_t CodePage);

// The code page of the names the program is given (file names, page titles): 65001 where they are UTF-8 (POSIX),
// the ANSI code page on Win32.
uint32_t NameCodePage() noexcept;

}  // namespace pmrconv::platform
