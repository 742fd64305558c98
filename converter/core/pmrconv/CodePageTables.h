#pragma once
// The code pages of the UTF-8 page: which Windows code page an RTF charset or document keyword names, and the
// characters of each code page's bytes, asked of the system's code-page layer once per byte and kept.

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string_view>

#include "platform/CodePages.h"

namespace pmrconv {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The bytes of one code page as characters.
class TCodePageTable {
public:
  static constexpr char32_t kLeadByte = 0xFFFFFFFF;
  static constexpr char32_t kUndefined = 0xFFFFFFFE;

  enum class TKind : uint8_t {
    System,       // decoded by the system; bytes below 0x80 are ASCII
    Symbol,       // a symbol font: every byte but the blank is the private-use character U+F000 + byte
    SymbolGreek,  // the Symbol font: its lower half as Unicode maps it (Greek letters, ASCII digits), the upper as Symbol
    Latin1,       // the last resort when the system decodes nothing: every byte is the character of its code
  };

  TCodePageTable(TKind Kind, std::unique_ptr<platform::TCodePageDecoder> Decoder);

  TKind Kind() const noexcept { return FKind; }
  // Whether bytes below 0x80 stand for themselves.
  bool AsciiAsIs() const noexcept { return FKind == TKind::System || FKind == TKind::Latin1; }
  // The character of one byte, kLeadByte when it begins a two-byte character, kUndefined when it is none.
  char32_t Byte(unsigned char B) const noexcept { return FBytes[B]; }
  // The character of a lead byte and the byte after it, kUndefined when they are none.
  char32_t Pair(unsigned char Lead, unsigned char Trail);

private:
  char32_t Decoded(std::string_view Bytes);

  TKind FKind;
  std::unique_ptr<platform::TCodePageDecoder> FDecoder;
  std::array<char32_t, 256> FBytes{};
  // The characters of each lead byte's pairs, asked of the system when the lead byte first occurs.
  std::array<std::unique_ptr<std::array<char32_t, 256>>, 256> FPairs;
};

// Code page tables by number, made when first asked for and kept.
class TCodePages {
public:
  // The table of a code page that documents may name, or nullptr when the converter does not decode it or the
  // system cannot. Decoded are the pages that RTF's charsets and \ansi, \mac, \pc and \pca name (437, 850, 874,
  // 932, 936, 949, 950, 1250 to 1258, 10000) and two other DOS pages (852, 866); others are as if not named, so
  // that a page reads the same on every system.
  TCodePageTable* Find(uint32_t CodePage);
  // The same for any code page the system decodes (the names of files, not documents).
  TCodePageTable* FindAny(uint32_t CodePage);
  // A symbol font's table; Greek for the Symbol font itself.
  TCodePageTable& Symbol(bool Greek);
  // Every byte as the character of its code.
  TCodePageTable& Latin1();

private:
  std::map<uint32_t, std::unique_ptr<TCodePageTable>> FTables;  // nullptr for pages the system lacks
  std::unique_ptr<TCodePageTable> FSymbol, FSymbolGreek, FLatin1;
};

// The code page of an RTF font charset (\fcharsetN): 0 when the charset names none of its own (1, the document's,
// and charsets not listed), kSymbolCodePage for 2.
inline constexpr uint32_t kSymbolCodePage = 42;
uint32_t CodePageOfCharset(int32_t Charset) noexcept;

// Whether a font of this face draws symbols rather than letters (Symbol, Wingdings, Webdings).
bool IsSymbolFace(std::string_view Face) noexcept;

}  // namespace pmrconv
