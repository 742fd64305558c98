#include <array>

#include "ByteWriter.h"
#include "Resources.h"

namespace Korvex50 {
namespace {

constexpr int kSide = 32;
constexpr int kTransparent = -1;
constexpr int kNavy = 4;
constexpr int kSilver = 7;
constexpr int kYellow = 11;

// The standard 16-colour palette as red, green, blue.
constexpr std::array<std::array<uint8_t, 3>, 16> kPalette{{
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
    {0, 128, 128},   {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
}};

// An up arrow over a down arrow on a framed navy tile; y counts from the top.
constexpr int IconPixel(int x, int y) {
  if (x < 1 || x > 30 || y < 1 || y > 30) return kTransparent;
  if (x + y < 4 || x - y > 27 || y - x > 27 || x + y > 58) return kTransparent;  // cut corners
  if (x == 1 || x == 30 || y == 1 || y == 30) return kSilver;
  const int row = y <= 15 ? y : 31 - y;  // the lower arrow mirrors the upper one
  const int twiceOffset = 2 * x - 31;    // distance from the middle, doubled
  const int halfWidth = 2 * (row - 4) + 1;
  if (row >= 4 && row <= 10 && twiceOffset <= halfWidth && -twiceOffset <= halfWidth) return kYellow;
  if (row >= 11 && row <= 14 && x >= 14 && x <= 17) return kYellow;
  return kNavy;
}

constexpr std::size_t kHeaderSize = 40;
constexpr std::size_t kPaletteSize = 16 * 4;
constexpr std::size_t kColourBitsSize = kSide * kSide / 2;  // 4 bits a pixel, rows of 16 bytes
constexpr std::size_t kMaskSize = kSide * kSide / 8;        // 1 bit a pixel, rows of 4 bytes
constexpr std::size_t kImageSize = kHeaderSize + kPaletteSize + kColourBitsSize + kMaskSize;

constexpr auto kIconBytes = [] {
  TByteWriter<6 + 16 + kImageSize> w;
  w.U16(0);  // icon directory: reserved, type icon, one image
  w.U16(1);
  w.U16(1);
  w.U8(kSide);  // the image's entry
  w.U8(kSide);
  w.U8(16);
  w.U8(0);
  w.U16(1);
  w.U16(4);
  w.U32(kImageSize);
  w.U32(6 + 16);

  w.U32(kHeaderSize);  // bitmap header; the height counts colour bits and mask together
  w.U32(kSide);
  w.U32(2 * kSide);
  w.U16(1);
  w.U16(4);
  w.U32(0);
  w.U32(kColourBitsSize + kMaskSize);
  w.Zeros(16);
  for (const auto& rgb : kPalette) {
    w.U8(rgb[2]);
    w.U8(rgb[1]);
    w.U8(rgb[0]);
    w.U8(0);
  }
  for (int y = kSide - 1; y >= 0; --y) {  // bottom row first
    for (int x = 0; x < kSide; x += 2) {
      const int left = IconPixel(x, y);
      const int right = IconPixel(x + 1, y);
      w.U8(((left < 0 ? 0 : left) << 4) | (right < 0 ? 0 : right));
    }
  }
  for (int y = kSide - 1; y >= 0; --y) {
    for (int x = 0; x < kSide; x += 8) {
      uint32_t bits = 0;
      for (int i = 0; i < 8; ++i) bits = (bits << 1) | (IconPixel(x + i, y) == kTransparent ? 1u : 0u);
      w.U8(bits);
    }
  }
  return w;
}();
static_assert(kIconBytes.Size() == 6 + 16 + 744);

}  // namespace

std::span<const uint8_t> MainIconResource() { return kIconBytes.Bytes(); }

}  // namespace Korvex50
