#pragma once
// The package's resources, built at compile time.

#include <cstdint>
#include <span>
#include <string_view>

namespace Korvex50 {

// The package's description, also recorded in the options.
constexpr std::string_view kDescription = "Korvex expert (Tobrel team)";

// UTF-16LE, zero-terminated.
std::span<const uint8_t> DescriptionResource();
// Package flags, required packages and contained units, with one-byte name hashes (PackageNameHash).
std::span<const uint8_t> PackageInfoResource();
// The development environment's options: 144 bytes.
std::span<const uint8_t> PackageOptionsResource();
// A version record (VS_VERSIONINFO layout): Russian (0x0419), code page 1251, version 1.0.0.0.
std::span<const uint8_t> VersionResource();
// One 32 x 32 icon with 16 colours, in icon file layout.
std::span<const uint8_t> MainIconResource();

// The one-byte name hash of PACKAGEINFO: from 0, for every byte of the name with a..z folded to
// A..Z, rotate left by 3 bits and add the byte by exclusive or.
constexpr uint8_t PackageNameHash(std::string_view name) {
  uint32_t hash = 0;
  for (const char c : name) {
    const uint32_t byte = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    hash = (((hash << 3) | (hash >> 5)) & 0xFF) ^ byte;
  }
  return static_cast<uint8_t>(hash);
}

}  // namespace Korvex50
