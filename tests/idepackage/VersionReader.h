#pragma once
// Reads a version record (VS_VERSIONINFO layout) into its tree of blocks, checking every length.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace testhost {

struct TVersionBlock {
  std::string Key;
  uint16_t Type = 0;  // 0 binary, 1 text
  std::vector<uint8_t> Value;
  std::vector<TVersionBlock> Children;

  // The child with that key; raises std::runtime_error when there is none.
  const TVersionBlock& Child(const std::string& key) const;
  // A text value without its terminator (ASCII only).
  std::string Text() const;
};

// Raises std::runtime_error when a length runs past its parent or the record.
TVersionBlock ReadVersionRecord(std::span<const uint8_t> bytes);

}  // namespace testhost
