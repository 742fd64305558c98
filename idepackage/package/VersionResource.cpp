#include <array>
#include <string_view>

#include "ByteWriter.h"
#include "Resources.h"

namespace Korvex50 {
namespace {

// Every block: length, value length, type (0 binary, 1 text), zero-terminated UTF-16 key, padding
// to 32 bits, value, padding, children. A block's length leaves out the padding after it.
template <class TWriter>
constexpr std::size_t BeginBlock(TWriter& w, std::string_view key, uint32_t valueLength, uint32_t type) {
  w.AlignTo4();
  const std::size_t start = w.Size();
  w.U16(0);  // length, patched by EndBlock
  w.U16(valueLength);
  w.U16(type);
  w.Utf16(key);
  w.U16(0);
  w.AlignTo4();
  return start;
}

template <class TWriter>
constexpr void EndBlock(TWriter& w, std::size_t start) {
  w.PatchU16(start, static_cast<uint32_t>(w.Size() - start));
}

template <class TWriter>
constexpr void TextEntry(TWriter& w, std::string_view key, std::string_view value) {
  const std::size_t start = BeginBlock(w, key, static_cast<uint32_t>(value.size() + 1), 1);  // in characters
  w.Utf16(value);
  w.U16(0);
  EndBlock(w, start);
}

constexpr uint32_t kLanguage = 0x0419;
constexpr uint32_t kCodePage = 1251;
constexpr std::string_view kVersion = "1.0.0.0";
constexpr uint32_t kVersionMS = 0x00010000;  // 1.0
constexpr uint32_t kVersionLS = 0x00000000;  // .0.0

constexpr std::array<std::string_view, 10> kStringNames{
    "CompanyName",    "FileDescription",  "FileVersion", "InternalName",   "LegalCopyright",
    "LegalTrademarks", "OriginalFilename", "ProductName", "ProductVersion", "Comments"};

constexpr auto kVersionBytes = [] {
  TByteWriter<1024> w;
  const std::size_t root = BeginBlock(w, "VS_VERSION_INFO", 52, 0);
  w.U32(0xFEEF04BD);  // fixed-information signature
  w.U32(0x00010000);  // structure version
  w.U32(kVersionMS);  // file version
  w.U32(kVersionLS);
  w.U32(kVersionMS);  // product version
  w.U32(kVersionLS);
  w.U32(0x3F);        // flags mask
  w.U32(0);           // flags
  w.U32(0x4);         // 32-bit Windows
  w.U32(0x2);         // a library
  w.U32(0);           // subtype
  w.U32(0);           // date
  w.U32(0);

  const std::size_t strings = BeginBlock(w, "StringFileInfo", 0, 1);
  const std::size_t table = BeginBlock(w, "041904E3", 0, 1);  // language, then code page, in hex
  for (const std::string_view name : kStringNames) {
    const bool isVersion = name == "FileVersion" || name == "ProductVersion";
    TextEntry(w, name, isVersion ? kVersion : std::string_view());
  }
  EndBlock(w, table);
  EndBlock(w, strings);

  const std::size_t vars = BeginBlock(w, "VarFileInfo", 0, 1);
  const std::size_t translation = BeginBlock(w, "Translation", 4, 0);
  w.U16(kLanguage);
  w.U16(kCodePage);
  EndBlock(w, translation);
  EndBlock(w, vars);
  EndBlock(w, root);
  return w;
}();

}  // namespace

std::span<const uint8_t> VersionResource() { return kVersionBytes.Bytes(); }

}  // namespace Korvex50
