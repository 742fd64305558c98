#pragma once
// Builds binary resources at compile time, little-endian, into a fixed-capacity array.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace Korvex50 {

template <std::size_t Capacity>
class TByteWriter {
 public:
  constexpr void U8(uint32_t value) { FBytes[FSize++] = static_cast<uint8_t>(value); }
  constexpr void U16(uint32_t value) {
    U8(value);
    U8(value >> 8);
  }
  constexpr void U32(uint32_t value) {
    U16(value);
    U16(value >> 16);
  }
  constexpr void Zeros(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) U8(0);
  }
  // Bytes of an 8-bit string, without a terminator.
  constexpr void Ansi(std::string_view text) {
    for (const char c : text) U8(static_cast<unsigned char>(c));
  }
  // An ASCII string as UTF-16LE code units, without a terminator.
  constexpr void Utf16(std::string_view text) {
    for (const char c : text) U16(static_cast<unsigned char>(c));
  }
  constexpr void AlignTo4() {
    while (FSize % 4 != 0) U8(0);
  }
  constexpr void PatchU16(std::size_t at, uint32_t value) {
    FBytes[at] = static_cast<uint8_t>(value);
    FBytes[at + 1] = static_cast<uint8_t>(value >> 8);
  }

  constexpr std::size_t Size() const { return FSize; }
  constexpr std::span<const uint8_t> Bytes() const { return {FBytes.data(), FSize}; }

 private:
  std::array<uint8_t, Capacity> FBytes{};
  std::size_t FSize = 0;
};

}  // namespace Korvex50
