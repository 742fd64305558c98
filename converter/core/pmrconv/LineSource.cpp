#include "pmrconv/LineSource.h"

#include "pmrconv/ByteScan.h"

#include <algorithm>
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
          ++FLineEndBytes;
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
    FEnded = FAtCtrlZ = true;
    return true;
  }
  return false;
}

bool TLineSource::PassCtrlZ() {
  if (!FAtCtrlZ) return false;
  FAtCtrlZ = FEnded = false;
  ++FPos;
  return true;
}

void TLineSource::ReadLine(std::string& Line) {
  Line.clear();
  AppendLine(Line);
}

void TLineSource::AppendLine(std::string& Line) {
  FLineEnded = false;
  if (Eof()) return;
  while (Available()) {
    const std::string_view window = FWindow;
    // One pass for the three bytes that end a line: it stops at the first, so each byte is looked at once.
    const size_t found = detail::FindAnyOf3(window, FPos, kCR, kLF, kCtrlZ);
    const size_t limit = found == std::string_view::npos ? window.size() : found;
    Line.append(window.data() + FPos, limit - FPos);
    FPos = limit;
    if (limit < window.size()) {
      if (window[limit] == kCtrlZ) {
        FEnded = FAtCtrlZ = true;
        return;
      }
      ++FPos;
      FSkipLF = window[limit] == kCR;  // Available() drops the LF of a CR LF whether it is in this window or the next
      FLineEnded = true;
      FLineEndBytes = 1;
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
