#include "VersionReader.h"

#include <stdexcept>

namespace testhost {
namespace {

class TBlockReader {
 public:
  explicit TBlockReader(std::span<const uint8_t> bytes) : FBytes(bytes) {}

  TVersionBlock Read(size_t start, size_t limit) {
    const size_t length = U16(start);
    if (length < 6 || start + length > limit) throw std::runtime_error("block length out of bounds");
    const size_t end = start + length;
    TVersionBlock block;
    const size_t valueLength = U16(start + 2);
    block.Type = static_cast<uint16_t>(U16(start + 4));
    size_t at = start + 6;
    for (uint32_t c = U16(at); c != 0; c = U16(at)) {
      block.Key += static_cast<char>(c);
      at += 2;
    }
    at = Align(at + 2);
    const size_t valueBytes = block.Type == 1 ? 2 * valueLength : valueLength;
    if (at + valueBytes > end) throw std::runtime_error("value runs past its block");
    block.Value.assign(FBytes.begin() + static_cast<ptrdiff_t>(at), FBytes.begin() + static_cast<ptrdiff_t>(at + valueBytes));
    for (at = Align(at + valueBytes); at < end; at = Align(at + U16(at))) block.Children.push_back(Read(at, end));
    return block;
  }

 private:
  uint32_t U16(size_t at) const {
    if (at + 2 > FBytes.size()) throw std::runtime_error("read past the record");
    return static_cast<uint32_t>(FBytes[at] | (FBytes[at + 1] << 8));
  }
  static size_t Align(size_t at) { return (at + 3) & ~size_t{3}; }

  std::span<const uint8_t> FBytes;
};

}  // namespace

const TVersionBlock& TVersionBlock::Child(const std::string& key) const {
  for (const TVersionBlock& child : Children) {
    if (child.Key == key) return child;
  }
  throw std::runtime_error("no block " + key + " under " + Key);
}

std::string TVersionBlock::Text() const {
  std::string text;
  for (size_t i = 0; i + 1 < Value.size(); i += 2) {
    if (Value[i] == 0 && Value[i + 1] == 0) break;
    text += static_cast<char>(Value[i]);
  }
  return text;
}

TVersionBlock ReadVersionRecord(std::span<const uint8_t> bytes) {
  TBlockReader reader(bytes);
  return reader.Read(0, bytes.size());
}

}  // namespace testhost
