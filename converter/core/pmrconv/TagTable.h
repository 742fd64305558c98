#pragma once
// The formatting tags the converter writes, listed once: the control words, the format reset, the field clearing
// when a tag closes and both implementations of the empty-pair clean-up are built from this table.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "pmrconv/Format.h"

namespace pmrconv {

// How the clean-up removes an empty pair of the kind, in the order of its steps.
enum class TCleanKind : uint8_t {
  CharacterPair,  // step 1: the literal pair, "<B></B>"
  BlockPair,      // step 2: the literal pair, "<CENTER></CENTER>"
  FontWildcard,   // steps 3 to 5: OpenTag as the prefix, any value of up to MaxMiddle characters, "></FONT>"
};

// The field of format that tells a tag of the kind is open.
enum class TTagField : uint8_t { Bold, Italic, Underline, Sup, Sub, Strike, Center, Right, Size, Colour, Face };

struct TTagKind {
  std::string_view OpenTag;   // the whole opening tag; for the font kinds the part before the value
  std::string_view CloseTag;  // as kept on the stack: the font kinds are told apart here, all written "</FONT>"
  TTagField Field;
  TCleanKind Clean;
  size_t MaxMiddle = 0;  // FontWildcard: the value with its quotes, "+1" or "#RRGGBB" or a short face name
};

// Tried by the clean-up in this order, which is why the font kinds stand size, colour, face.
inline constexpr std::array<TTagKind, 11> kTagKinds = {{
    {"<B>", "</B>", TTagField::Bold, TCleanKind::CharacterPair},
    {"<I>", "</I>", TTagField::Italic, TCleanKind::CharacterPair},
    {"<U>", "</U>", TTagField::Underline, TCleanKind::CharacterPair},
    {"<SUP>", "</SUP>", TTagField::Sup, TCleanKind::CharacterPair},
    {"<SUB>", "</SUB>", TTagField::Sub, TCleanKind::CharacterPair},
    {"<S>", "</S>", TTagField::Strike, TCleanKind::CharacterPair},
    {"<CENTER>", "</CENTER>", TTagField::Center, TCleanKind::BlockPair},
    {"<DIV ALIGN=right>", "</DIV>", TTagField::Right, TCleanKind::BlockPair},
    {"<FONT SIZE=", "</FONT SIZE>", TTagField::Size, TCleanKind::FontWildcard, 3},
    {"<FONT COLOR=", "</FONT COLOR>", TTagField::Colour, TCleanKind::FontWildcard, 9},
    {"<FONT FACE=", "</FONT FACE>", TTagField::Face, TCleanKind::FontWildcard, 12},
}};

// What follows the value of an empty font pair: the opening tag's ">" and the closing tag.
inline constexpr std::string_view kFontPairSuffix = "></FONT>";
// Characters the value of a font pair never holds: a match whose middle holds one would reach past the opening tag
// and remove text with it.
inline constexpr std::string_view kNotInFontValue = "<>";

// The kind of a closing tag as kept on the stack; nullptr for any other text. Tags pushed by the readers refer to
// the table's own text, so most are told by their address alone.
inline const TTagKind* TagKindOfClose(std::string_view CloseTag) {
  for (const TTagKind& kind : kTagKinds) {
    if (kind.CloseTag.data() == CloseTag.data()) return &kind;
  }
  for (const TTagKind& kind : kTagKinds) {
    if (kind.CloseTag == CloseTag) return &kind;
  }
  return nullptr;
}

namespace detail {
// The boolean field of a kind; nullptr for the font kinds, whose fields hold a value. TFormat is format or const
// format.
template <typename TFormat>
constexpr auto FlagOf(TFormat& F, TTagField Field) -> decltype(&F.bold) {
  switch (Field) {
    case TTagField::Bold: return &F.bold;
    case TTagField::Italic: return &F.italic;
    case TTagField::Underline: return &F.underline;
    case TTagField::Sup: return &F.sup;
    case TTagField::Sub: return &F.sub;
    case TTagField::Strike: return &F.strike;
    case TTagField::Center: return &F.center;
    case TTagField::Right: return &F.right;
    case TTagField::Size:
    case TTagField::Colour:
    case TTagField::Face: break;
  }
  return nullptr;
}
}  // namespace detail

// Whether the tag of Field is open in F.
inline bool IsOpen(const format& F, TTagField Field) {
  if (const bool* flag = detail::FlagOf(F, Field)) return *flag;
  if (Field == TTagField::Size) return F.size != -1;
  if (Field == TTagField::Colour) return F.color != "none";
  return F.face >= 0;
}

// Clears the field of a closed tag to its reset value.
inline void ClearField(format& F, TTagField Field) {
  if (bool* flag = detail::FlagOf(F, Field)) {
    *flag = false;
  } else if (Field == TTagField::Size) {
    F.size = -1;
  } else if (Field == TTagField::Colour) {
    F.color = "none";
  } else {
    F.face = -1;
  }
}

// Marks the tag of a boolean field open; the font kinds carry values, which their control words set.
inline void SetFlag(format& F, TTagField Field) {
  if (bool* flag = detail::FlagOf(F, Field)) *flag = true;
}

// The paragraph kinds (alignment) are reset by "pard" and its like, the others by "plain".
constexpr bool IsParagraphKind(const TTagKind& Kind) { return Kind.Clean == TCleanKind::BlockPair; }

// The rows of the literal pair steps and of the font steps, each in the order of the table.
template <bool Font>
constexpr auto KindsOfClean() {
  constexpr size_t kCount = [] {
    size_t n = 0;
    for (const TTagKind& kind : kTagKinds) n += (kind.Clean == TCleanKind::FontWildcard) == Font ? 1 : 0;
    return n;
  }();
  std::array<const TTagKind*, kCount> kinds{};
  size_t n = 0;
  for (const TTagKind& kind : kTagKinds) {
    if ((kind.Clean == TCleanKind::FontWildcard) == Font) kinds[n++] = &kind;
  }
  return kinds;
}
inline constexpr auto kPairKinds = KindsOfClean<false>();
inline constexpr auto kFontKinds = KindsOfClean<true>();

}  // namespace pmrconv
