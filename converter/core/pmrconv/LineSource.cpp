#include "pmrconv/LineSource.h"

#include <cstring>
#include <new>

namespace pmrconv {

namespace {
constexpr char kCR = '\r';
constexpr char kLF = '\n';
constexpr char kCtrlZ = '\x1a';
}  // namespace

TLineSource::TLineSource(std::string_view Text) : FWindow(Text) {}

TLineSource::TLineSource(TBlockReader& Reader, size_t BlockSize)
    : FReader(&Reader), FBlock(new char[BlockSize]), FBlockSize(BlockSize) {}

bool TLineSource::Available() {
  for (;;) {
    if (FEnded) return false;
    if (FPos < FWindow.size()) {
      if (FSkipLF) {
        FSkipLF = false;
        if (FWindow[FPos] == kLF) {
          ++FPos;
          continue;
        }
      }
      return true;
    }
    if (FReader == nullptr) {
      FEnded = true;
      return false;
    }
    const size_t got = FReader->ReadBlock(FBlock.get(), FBlockSize);
    if (got == 0) {
      FEnded = true;
      return false;
    }
    FWindow = std::string_view(FBlock.get(), got);
    FPos = 0;
  }
}

bool TLineSource::Eof() {
  if (!Available()) return true;
  if (FWindow[FPos] == kCtrlZ) {
    FEnded = true;
    return true;
  }
  return false;
}

void TLineSource::ReadLine(std::string& Line) {
  Line.clear();
  AppendLine(Line);
}

void TLineSource::AppendLine(std::string& Line) {
  if (Eof()) return;
  while (Available()) {
    const char* begin = FWindow.data() + FPos;
    const size_t left = FWindow.size() - FPos;
    const void* cr = std::memchr(begin, kCR, left);
    const size_t limit = cr ? static_cast<size_t>(static_cast<const char*>(cr) - begin) : left;
    if (const void* z = std::memchr(begin, kCtrlZ, limit)) {
      Line.append(begin, static_cast<const char*>(z) - begin);
      FEnded = true;
      return;
    }
    Line.append(begin, limit);
    FPos += limit;
    if (cr) {
      ++FPos;
      FSkipLF = true;  // Available() drops the LF whether it is in this window or the next
      return;
    }
    if (Line.size() >= FBlockSize) ReserveForLongLine(Line);
  }
}

void TLineSource::ReserveForLongLine(std::string& Line) {
  if (FReader == nullptr || Line.capacity() - Line.size() >= FBlockSize) return;
  const uint64_t rest = FReader->RemainingHint();
  if (rest <= FBlockSize || rest >= Line.max_size() - Line.size()) return;
  try {
    Line.reserve(Line.size() + static_cast<size_t>(rest));
  } catch (const std::bad_alloc&) {
    // Not that much memory at once: the line grows step by step instead, as far as it fits.
  }
}

}  // namespace pmrconv
