#pragma once
// Small pieces of RTF lexis shared by the group reader and the table reader.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "pmrconv/ByteScan.h"
#include "pmrconv/WorkingLine.h"

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
inline size_t WordEnd(const TWorkingLine& Line, size_t From) {
  const std::string_view v = Line.View();
  size_t i = From;
  while (i < v.size() && (detail::kWordChar[static_cast<unsigned char>(v[i])] & 1) != 0) ++i;
  while (i < v.size() && (detail::kWordChar[static_cast<unsigned char>(v[i])] & 2) != 0) ++i;
  return i;
}

// Position of the first backslash or brace of Text at or after From, or npos.
inline size_t FindBackslashOrBrace(std::string_view Text, size_t From) {
  return detail::FindAnyOf3(Text, From, '\\', '{', '}');
}

// End of the run of plain text that begins at From: the next backslash or brace, or the end of the line.
inline size_t TextRunEnd(const TWorkingLine& Line, size_t From) {
  const std::string_view v = Line.View();
  const size_t end = FindBackslashOrBrace(v, From);
  return end == std::string_view::npos ? v.size() : end;
}

// The byte of two hexadecimal digits ("A" to "F" in either case). A character that is no hexadecimal digit raises
// EConvertError naming it; a missing one (the line ended) names the empty text.
int HexToByte(std::string_view X);

// The HTML for the escape \'X: the named umlauts, sharp s and middle dot for the exact lower-case codes, otherwise
// the byte itself ("<", ">" and "&" as entities).
std::string CharacterCode(std::string_view X);

// Destinations without visible text whose groups the readers skip. The table reader's list lacks "info" and
// "stylesheet".
bool IsSkippedDestination(std::string_view Word);
bool IsSkippedDestinationInTable(std::string_view Word);

// The placeholder written for a skipped picture.
inline constexpr std::string_view kPicturePlaceholder = "<P>[*** picture ***]<P>";

}  // namespace pmrconv
