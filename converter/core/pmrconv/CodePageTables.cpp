#include "pmrconv/CodePageTables.h"

#include <algorithm>
#include <utility>

namespace pmrconv {

namespace {

struct TCharsetPage {
  int32_t Charset;
  uint32_t CodePage;
};

constexpr TCharsetPage kCharsetPages[] = {
    {0, 1252},   {2, kSymbolCodePage}, {77, 10000}, {128, 932},  {129, 949},  {134, 936},
    {136, 950},  {161, 1253},          {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256},
    {186, 1257}, {204, 1251},          {222, 874},  {238, 1250}, {255, 437},
    // The Mac's Japanese, Korean and Chinese charsets write their letters as the Windows double-byte pages do.
    {78, 932},   {79, 949},            {80, 936},   {81, 950},
};

// The Mac's double-byte document code pages, read by the Windows page with the same letters.
constexpr std::pair<uint32_t, uint32_t> kMacDoubleBytePages[] = {{10001, 932}, {10002, 950}, {10003, 949}, {10008, 936}};

constexpr uint32_t kDocumentPages[] = {437,  850,  852,  866,  874,  932,  936,  949,  950,  1250,
                                       1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258, 10000};

// The Greek letters of the Symbol font for "A" to "Z" and "a" to "z", as Unicode's mapping of the font gives them
// (with the Greek letters where it also names look-alike signs: Delta, Omega, mu).
constexpr char16_t kSymbolGreek[52] = {
    0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C,
    0x039D, 0x039F, 0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396,
    0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC,
    0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6,
};

// The signs of the Symbol font's lower half that differ from ASCII, as Unicode's mapping of the font gives them;
// its other signs, digits and punctuation there are ASCII's own.
struct TSymbolSign {
  char Byte;
  char16_t Character;
};
constexpr TSymbolSign kSymbolSigns[] = {{'"', 0x2200}, {'$', 0x2203}, {'\'', 0x220B}, {'*', 0x2217}, {'-', 0x2212},
                                        {'@', 0x2245}, {'\\', 0x2234}, {'^', 0x22A5}, {'`', 0xF8E5}, {'~', 0x223C}};

// Characters that the systems give for bytes some of them leave undefined (C1 controls, private use): counted as
// undefined, so that every system writes the same page.
bool IsStandIn(char32_t C) { return (C >= 0x80 && C <= 0x9F) || (C >= 0xE000 && C <= 0xF8FF); }

}  // namespace

TCodePageTable::TCodePageTable(TKind Kind, std::unique_ptr<platform::TCodePageDecoder> Decoder)
    : FKind(Kind), FDecoder(std::move(Decoder)) {
  for (size_t b = 0; b < 256; ++b) {
    const auto byte = static_cast<char>(b);
    switch (FKind) {
      case TKind::System: FBytes[b] = b < 0x80 ? static_cast<char32_t>(b) : Decoded(std::string_view(&byte, 1)); break;
      case TKind::Latin1: FBytes[b] = static_cast<char32_t>(b); break;
      case TKind::Symbol:
      case TKind::SymbolGreek: FBytes[b] = b == ' ' ? U' ' : 0xF000 + static_cast<char32_t>(b); break;
    }
  }
  if (FKind == TKind::SymbolGreek) {
    for (size_t b = 0x20; b < 0x7F; ++b) FBytes[b] = static_cast<char32_t>(b);
    for (const TSymbolSign& sign : kSymbolSigns) FBytes[static_cast<unsigned char>(sign.Byte)] = sign.Character;
    for (size_t k = 0; k < 26; ++k) {
      FBytes['A' + k] = kSymbolGreek[k];
      FBytes['a' + k] = kSymbolGreek[26 + k];
    }
  }
}

char32_t TCodePageTable::Decoded(std::string_view Bytes) {
  const platform::TDecodedBytes d = FDecoder->Decode(Bytes);
  if (d.Kind == platform::TBytesKind::LeadByte) return kLeadByte;
  if (d.Kind != platform::TBytesKind::Character || IsStandIn(d.Character) || d.Character > 0x10FFFF ||
      (d.Character >= 0xD800 && d.Character < 0xE000)) {
    return kUndefined;
  }
  return d.Character;
}

char32_t TCodePageTable::Pair(unsigned char Lead, unsigned char Trail) {
  if (FDecoder == nullptr || FBytes[Lead] != kLeadByte) return kUndefined;
  std::unique_ptr<std::array<char32_t, 256>>& row = FPairs[Lead];
  if (row == nullptr) {
    row = std::make_unique<std::array<char32_t, 256>>();
    for (size_t t = 0; t < 256; ++t) {
      const char pair[2] = {static_cast<char>(Lead), static_cast<char>(t)};
      const char32_t c = Decoded(std::string_view(pair, 2));
      (*row)[t] = c == kLeadByte ? kUndefined : c;
    }
  }
  return (*row)[Trail];
}

TCodePageTable* TCodePages::Find(uint32_t CodePage) {
  for (const auto& [mac, windows] : kMacDoubleBytePages) {
    if (CodePage == mac) CodePage = windows;
  }
  if (std::find(std::begin(kDocumentPages), std::end(kDocumentPages), CodePage) == std::end(kDocumentPages)) {
    return nullptr;
  }
  return FindAny(CodePage);
}

TCodePageTable* TCodePages::FindAny(uint32_t CodePage) {
  const auto found = FTables.find(CodePage);
  if (found != FTables.end()) return found->second.get();
  std::unique_ptr<TCodePageTable>& table = FTables[CodePage];
  if (auto decoder = platform::OpenCodePage(CodePage)) {
    table = std::make_unique<TCodePageTable>(TCodePageTable::TKind::System, std::move(decoder));
  }
  return table.get();
}

TCodePageTable& TCodePages::Symbol(bool Greek) {
  std::unique_ptr<TCodePageTable>& table = Greek ? FSymbolGreek : FSymbol;
  if (table == nullptr) {
    table = std::make_unique<TCodePageTable>(Greek ? TCodePageTable::TKind::SymbolGreek : TCodePageTable::TKind::Symbol,
                                             nullptr);
  }
  return *table;
}

TCodePageTable& TCodePages::Latin1() {
  if (FLatin1 == nullptr) FLatin1 = std::make_unique<TCodePageTable>(TCodePageTable::TKind::Latin1, nullptr);
  return *FLatin1;
}

uint32_t CodePageOfCharset(int32_t Charset) noexcept {
  for (const TCharsetPage& row : kCharsetPages) {
    if (row.Charset == Charset) return row.CodePage;
  }
  return 0;
}

bool IsSymbolFace(std::string_view Face) noexcept {
  return Face == "Symbol" || Face.starts_with("Wingdings") || Face == "Webdings";
}

}  // namespace pmrconv
