#include "pmrconv/FileStreams.h"

namespace pmrconv {

TFile& TFile::operator=(TFile&& Other) noexcept {
  if (this != &Other) {
    if (IsOpen() && FOwned) {
      try {
        platform::CloseFile(FHandle);
      } catch (...) {
      }
    }
    FHandle = Other.FHandle;
    FOwned = Other.FOwned;
    Other.FHandle = platform::kNoFile;
  }
  return *this;
}

TFile::~TFile() {
  if (!IsOpen() || !FOwned) return;
  try {
    platform::CloseFile(FHandle);
  } catch (...) {
    // A destructor cannot report; callers who care call Close().
  }
}

void TFile::Close() {
  if (!IsOpen()) return;
  const platform::TFileHandle handle = FHandle;
  FHandle = platform::kNoFile;
  if (FOwned) platform::CloseFile(handle);
}

size_t TFileBlockReader::ReadBlock(char* Buffer, size_t Size) {
  return platform::ReadBlock(FFile.Handle(), Buffer, Size);
}

uint64_t TFileBlockReader::RemainingHint() { return platform::RemainingBytes(FFile.Handle()); }

void TFileSink::Write(std::string_view Bytes) {
  if (FPending.size() + Bytes.size() <= kChunkSize) {
    FPending.append(Bytes);
    return;
  }
  Flush();
  if (Bytes.size() >= kChunkSize) {
    platform::WriteBlock(FFile.Handle(), Bytes.data(), Bytes.size());
  } else {
    FPending.append(Bytes);
  }
}

void TFileSink::Flush() {
  if (FPending.empty()) return;
  try {
    platform::WriteBlock(FFile.Handle(), FPending.data(), FPending.size());
  } catch (...) {
    FPending.clear();  // what could not be written is given up: a later write must not repeat it
    throw;
  }
  FPending.clear();
}

}  // namespace pmrconv
