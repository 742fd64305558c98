#include "KorvexUtils.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace KorvexUtils {
namespace {

constexpr bool IsIdentChar(unsigned c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '_' || (c >= 'a' && c <= 'z');
}

constexpr auto kIdentChar = [] {
  std::array<bool, 256> table{};
  for (unsigned c = 0; c < 256; ++c) table[c] = IsIdentChar(c);
  return table;
}();

// Only a..z fold; every other byte, national letters included, compares as it is.
constexpr auto kFold = [] {
  std::array<unsigned char, 256> table{};
  for (unsigned c = 0; c < 256; ++c) table[c] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  return table;
}();

// Reads positions from 1 as the functions' contract does: outside 1..n is a separator. Positions
// are 64-bit inside so that stepping past the 32-bit ends cannot overflow.
class TText {
 public:
  explicit TText(std::string_view text)
      : FBytes(reinterpret_cast<const unsigned char*>(text.data())), FLength(static_cast<int64_t>(text.size())) {}
  int64_t Length() const { return FLength; }
  bool IsIdentAt(int64_t pos) const { return pos >= 1 && pos <= FLength && kIdentChar[FBytes[pos - 1]]; }
  const unsigned char* Bytes() const { return FBytes; }

 private:
  const unsigned char* FBytes;
  int64_t FLength;
};

}  // namespace

bool CurrentIdent(std::string_view Text, int32_t Pos, int32_t& Start, int32_t& Len) {
  const TText text(Text);
  int64_t p = Pos;
  bool found = false;
  while (p >= 1) {
    if (text.IsIdentAt(p)) {
      --p;
      found = true;
    } else if (found || p < 2) {
      break;
    } else if (text.IsIdentAt(p - 1)) {  // a separator right after an identifier
      p -= 2;
      found = true;
    } else {
      break;
    }
  }
  if (!found) return false;
  const int64_t start = p + 1;
  int64_t q = start + 1;
  while (text.IsIdentAt(q)) ++q;
  Start = static_cast<int32_t>(start);
  Len = static_cast<int32_t>(q - start);
  return true;
}

bool FindNeibIdent(std::string_view Text, int32_t Pos, bool Backward, int32_t& Start, int32_t& Len) {
  const int64_t n = static_cast<int64_t>(Text.size());
  for (int64_t p = Pos; p >= 1 && p <= n; p += Backward ? -1 : 1) {
    if (CurrentIdent(Text, static_cast<int32_t>(p), Start, Len)) return true;
  }
  return false;
}

bool FindTextIdent(std::string Ident, std::string_view Text, int32_t Pos, bool Backward, int32_t& FoundPos) {
  if (Ident.empty()) return false;
  for (char& c : Ident) c = static_cast<char>(kFold[static_cast<unsigned char>(c)]);

  const TText text(Text);
  const unsigned char* bytes = text.Bytes();
  const auto* ident = reinterpret_cast<const unsigned char*>(Ident.data());
  const int64_t n = text.Length();
  const int64_t m = static_cast<int64_t>(Ident.size());
  const unsigned char first = ident[0];

  int64_t p = static_cast<int64_t>(Pos) + (Backward ? -1 : 1);
  if (p < 1 || p > n) return false;
  const int64_t lastFit = n - m + 1;  // later starts fail the fit test

  // Runs after the first-character and fit tests. The left boundary comes before the comparison:
  // same results, but a candidate inside an identifier run is refused at once, so a long run of
  // identifier characters cannot make the scan quadratic.
  const auto wholeWordAt = [&](int64_t start) {
    const unsigned char* s = bytes + (start - 1);
    if (start >= 2 && kIdentChar[s[-1]]) return false;
    for (int64_t i = 1; i < m; ++i) {
      if (kFold[s[i]] != ident[i]) return false;
    }
    return start + m > n || !kIdentChar[s[m]];
  };

  if (!Backward) {
    for (; p <= lastFit; ++p) {
      if (kFold[bytes[p - 1]] == first && wholeWordAt(p)) {
        FoundPos = static_cast<int32_t>(p);
        return true;
      }
    }
  } else {
    for (p = std::min(p, lastFit); p >= 1; --p) {
      if (kFold[bytes[p - 1]] == first && wholeWordAt(p)) {
        FoundPos = static_cast<int32_t>(p);
        return true;
      }
    }
  }
  return false;
}

bool FindIdentAtPos(std::string_view Text, int32_t Pos, bool Backward, int32_t& FoundPos, int32_t& Len,
                    std::string& Ident) {
  int32_t start = 0;
  if (!CurrentIdent(Text, Pos, start, Len)) return false;
  std::string ident(Text.substr(static_cast<size_t>(start - 1), static_cast<size_t>(Len)));
  // From the identifier's own start, so the current occurrence is never the one found.
  const bool found = FindTextIdent(ident, Text, start, Backward, FoundPos);
  Ident = std::move(ident);
  return found;
}

void FindCharPos(std::string_view Text, int32_t Pos, int32_t& Line, int32_t& Col) {
  const int64_t before = std::max<int64_t>(static_cast<int64_t>(Pos) - 1, 0);  // characters left of Pos
  const int64_t scanned = std::min<int64_t>(before, static_cast<int64_t>(Text.size()));
  const char* bytes = Text.data();
  int64_t line = 1;
  int64_t lineStart = 0;  // 0-based offset where the current line begins
  while (lineStart < scanned) {
    const void* cr = std::memchr(bytes + lineStart, '\r', static_cast<size_t>(scanned - lineStart));
    if (cr == nullptr) break;
    const int64_t at = static_cast<const char*>(cr) - bytes;
    ++line;
    // An LF at Pos itself is not taken into the pair: Pos then stands at column 0 of the new line.
    lineStart = (at + 1 < scanned && bytes[at + 1] == '\n') ? at + 2 : at + 1;
  }
  Line = static_cast<int32_t>(line);
  Col = static_cast<int32_t>(before - lineStart);
}

}  // namespace KorvexUtils
