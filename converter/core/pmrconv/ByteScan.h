#pragma once
// Finding the next of a few special bytes eight bytes at a time: text runs and skipped picture data are long, and
// most of their bytes are none of the few that matter.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pmrconv::detail {

// Position of the first byte of Text at or after From that is A, B or C; npos when there is none.
inline size_t FindAnyOf3(std::string_view Text, size_t From, char A, char B, char C) {
  const char* const data = Text.data();
  const size_t size = Text.size();
  size_t i = From;
#if defined(__SSE2__)
  {
    const __m128i a = _mm_set1_epi8(A);
    const __m128i b = _mm_set1_epi8(B);
    const __m128i c = _mm_set1_epi8(C);
    for (; i + 16 <= size; i += 16) {
      const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
      const __m128i hits =
          _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, a), _mm_cmpeq_epi8(block, b)), _mm_cmpeq_epi8(block, c));
      const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
      if (mask != 0) return i + static_cast<size_t>(std::countr_zero(mask));
    }
  }
#endif
  if constexpr (std::endian::native == std::endian::little) {
    constexpr uint64_t kOnes = 0x0101010101010101u;
    constexpr uint64_t kHighs = 0x8080808080808080u;
    const uint64_t a = kOnes * static_cast<unsigned char>(A);
    const uint64_t b = kOnes * static_cast<unsigned char>(B);
    const uint64_t c = kOnes * static_cast<unsigned char>(C);
    // The high bit of each zero byte of V; exact up to and including the first zero byte, which is all that the
    // lowest set bit tells.
    auto zeroBytes = [](uint64_t V) { return (V - kOnes) & ~V & kHighs; };
    for (; i + 8 <= size; i += 8) {
      uint64_t word;
      std::memcpy(&word, data + i, 8);
      const uint64_t hits = zeroBytes(word ^ a) | zeroBytes(word ^ b) | zeroBytes(word ^ c);
      if (hits != 0) return i + static_cast<size_t>(std::countr_zero(hits)) / 8;
    }
  }
  for (; i < size; ++i) {
    const char ch = data[i];
    if (ch == A || ch == B || ch == C) return i;
  }
  return std::string_view::npos;
}

}  // namespace pmrconv::detail
