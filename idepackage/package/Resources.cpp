#include "Resources.h"

#include <array>

#include "ByteWriter.h"
#include "Korvex50.h"

namespace Korvex50 {
namespace {

constexpr auto kDescriptionBytes = [] {
  TByteWriter<2 * kDescription.size() + 2> w;
  w.Utf16(kDescription);
  w.U16(0);
  return w;
}();

struct TContainedUnit {
  uint8_t Flags;
  std::string_view Name;
};

constexpr std::array<TContainedUnit, 5> kContainedUnits{{
    {3, "Korvex50"},
    {0, "KorvexOTAUtils"},
    {0, "KorvexUtils"},
    {0, "SysInit"},
    {0, "KorvexOTA50"},
}};

constexpr auto kPackageInfoBytes = [] {
  TByteWriter<128> w;
  w.U32(0x4C000003);  // package flags
  w.U32(1);           // required packages
  w.U8(PackageNameHash("vcl50"));
  w.Ansi("vcl50");
  w.U8(0);
  w.U32(kContainedUnits.size());
  for (const TContainedUnit& unit : kContainedUnits) {
    w.U8(unit.Flags);
    w.U8(PackageNameHash(unit.Name));
    w.Ansi(unit.Name);
    w.U8(0);
  }
  w.AlignTo4();  // the zero fill up to the next 32-bit boundary
  return w;
}();

constexpr std::string_view kUnitAliases = "WinTypes=Windows;WinProcs=Windows;DbiTypes=BDE;DbiProcs=BDE;DbiErrs=BDE;";
constexpr std::size_t kPackageOptionsSize = 144;

// 28 switch bytes + 3 numbers (12) + 1 zero + (1 + 72) aliases + (1 + description) + 2 closing zeros:
// the record comes to 144 bytes exactly when the description has 27 characters, as ours has.
static_assert(28 + 12 + 1 + 1 + kUnitAliases.size() + 1 + kDescription.size() + 2 == kPackageOptionsSize);

constexpr auto kPackageOptionsBytes = [] {
  TByteWriter<kPackageOptionsSize> w;
  w.Zeros(28);  // the environment's switches for the package: none set
  w.U32(16384);
  w.U32(1048576);
  w.U32(0x400000);  // image base
  w.U8(0);
  w.U8(kUnitAliases.size());
  w.Ansi(kUnitAliases);
  w.U8(kDescription.size());
  w.Ansi(kDescription);
  w.Zeros(2);
  return w;
}();
static_assert(kPackageOptionsBytes.Size() == kPackageOptionsSize);

struct TNamedResource {
  std::string_view Name;
  std::span<const uint8_t> (*Bytes)();
};

constexpr std::array<TNamedResource, 5> kResources{{
    {"DESCRIPTION", DescriptionResource},
    {"PACKAGEINFO", PackageInfoResource},
    {"PACKAGEOPTIONS", PackageOptionsResource},
    {"VERSION", VersionResource},
    {"MAINICON", MainIconResource},
}};

// Resource names compare without regard to the case of a..z.
bool SameName(std::string_view name, const char* asked) {
  std::size_t i = 0;
  for (; asked[i] != '\0'; ++i) {
    char c = asked[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    if (i >= name.size() || name[i] != c) return false;
  }
  return i == name.size();
}

}  // namespace

std::span<const uint8_t> DescriptionResource() { return kDescriptionBytes.Bytes(); }
std::span<const uint8_t> PackageInfoResource() { return kPackageInfoBytes.Bytes(); }
std::span<const uint8_t> PackageOptionsResource() { return kPackageOptionsBytes.Bytes(); }

}  // namespace Korvex50

const void* FindPackageResource(const char* Name, uint32_t* Size) {
  if (Name == nullptr) return nullptr;
  for (const Korvex50::TNamedResource& resource : Korvex50::kResources) {
    if (!Korvex50::SameName(resource.Name, Name)) continue;
    const std::span<const uint8_t> bytes = resource.Bytes();
    if (Size != nullptr) *Size = static_cast<uint32_t>(bytes.size());
    return bytes.data();
  }
  return nullptr;
}
