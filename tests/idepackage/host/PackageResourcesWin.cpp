// The package's resources as a Windows host reads them: FindResource and LoadResource on the module
// the runtime names for the package's resources.
#include <windows.h>

#include <cstring>

#include <korvex50/LibModules.h>
#include "PackageLibrary.h"

namespace testhost {
namespace {

std::span<const uint8_t> ResourceBytes(HMODULE module, LPCSTR name, LPCSTR type) {
  HRSRC found = FindResourceA(module, name, type);
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return {};
  return {static_cast<const uint8_t*>(bytes), SizeofResource(module, found)};
}

void Append(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// An icon group and its images put back into icon file layout: the directory's 14-byte entries
// name an image resource where the file's 16-byte entries give its offset.
std::vector<uint8_t> IconFile(HMODULE module, std::span<const uint8_t> group) {
  if (group.size() < 6) return {};
  const uint32_t count = group[4] | (group[5] << 8);
  if (group.size() < 6 + 14 * count) return {};
  std::vector<uint8_t> file(group.begin(), group.begin() + 6);
  std::vector<uint8_t> images;
  uint32_t offset = 6 + 16 * count;
  for (uint32_t i = 0; i < count; ++i) {
    const std::span<const uint8_t> entry = group.subspan(6 + 14 * i, 14);
    const uint32_t id = entry[12] | (entry[13] << 8);
    const std::span<const uint8_t> image = ResourceBytes(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(3));  // RT_ICON
    file.insert(file.end(), entry.begin(), entry.begin() + 8);
    Append(file, static_cast<uint32_t>(image.size()), 4);
    Append(file, offset, 4);
    images.insert(images.end(), image.begin(), image.end());
    offset += static_cast<uint32_t>(image.size());
  }
  file.insert(file.end(), images.begin(), images.end());
  return file;
}

}  // namespace

std::span<const uint8_t> TPackageLibrary::Resource(const char* name) const {
  if (name == nullptr) return {};
  const auto module = static_cast<HMODULE>(vcl::FindResourceHInstance(FLibrary));
  if (lstrcmpiA(name, "VERSION") == 0) return ResourceBytes(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16));
  if (lstrcmpiA(name, "MAINICON") == 0) {
    const std::span<const uint8_t> group = ResourceBytes(module, "MAINICON", MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    if (group.empty()) return {};
    std::vector<uint8_t>& icon = FAssembled["MAINICON"];
    if (icon.empty()) icon = IconFile(module, group);
    return icon;
  }
  return ResourceBytes(module, name, MAKEINTRESOURCEA(10));  // RT_RCDATA
}

}  // namespace testhost
