#pragma once
// Small pieces of RTF lexis shared by the scanner and the readers: control words, text runs, numbers.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "pmrconv/ByteScan.h"

namespace pmrconv {

// "a" to "z", "0" to "9" and "-": the characters of a control word with its parameter.
constexpr bool IsWordChar(char C) { return (C >= 'a' && C <= 'z') || (C >= '0' && C <= '9') || C == '-'; }

namespace detail {
// Per byte: 1 for a letter of a control word's name (capitals included), 2 for a character that may follow it
// ("a" to "z", "0" to "9", "-").
constexpr std::array<uint8_t, 256> MakeWordChars() {
  std::array<uint8_t, 256> t{};
  for (size_t c = 0; c < 256; ++c) {
    const char ch = static_cast<char>(c);
    const bool letter = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
    t[c] = static_cast<uint8_t>((letter ? 1 : 0) | (IsWordChar(ch) ? 2 : 0));
  }
  return t;
}
inline constexpr std::array<uint8_t, 256> kWordChar = MakeWordChars();
}  // namespace detail

// End of the control word that begins at From. Its name goes on through capitals as well (\mmathPr, \clwWidth2831),
// as other readers take it; from the first digit or "-" on, only word characters follow.
inline size_t WordEnd(std::string_view Text, size_t From) {
  size_t i = From;
  while (i < Text.size() && (detail::kWordChar[static_cast<unsigned char>(Text[i])] & 1) != 0) ++i;
  while (i < Text.size() && (detail::kWordChar[static_cast<unsigned char>(Text[i])] & 2) != 0) ++i;
  return i;
}

// Position of the first backslash or brace of Text at or after From, or npos.
inline size_t FindBackslashOrBrace(std::string_view Text, size_t From) {
  return detail::FindAnyOf3(Text, From, '\\', '{', '}');
}

// The byte of two hexadecimal digits ("A" to "F" in either case). A character that is no hexadecimal digit raises
// EConvertError naming it; a missing one (the line ended) names the empty text.
int HexToByte(std::string_view X);

// The runtime's string-to-integer conversion, as the readers take the numbers of control words and tables: an
// optional sign and decimal digits that fit 32 bits signed. Anything else raises EConvertError naming Text (a NUL
// byte of it named "#0").
int32_t StrToInt(std::string_view Text);

}  // namespace pmrconv
