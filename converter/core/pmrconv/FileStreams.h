#pragma once
// Owners of the two open files of a conversion, and the adapters that let the line source and the page sink use
// them.

#include <string>

#include "platform/FileIO.h"
#include "pmrconv/HtmlOutput.h"
#include "pmrconv/LineSource.h"

namespace pmrconv {

// An open file. Move-only; the destructor closes it and swallows errors, Close() reports them. A borrowed file (a
// standard stream) is used but never closed.
class TFile {
public:
  TFile() = default;
  explicit TFile(platform::TFileHandle Handle) noexcept : FHandle(Handle) {}
  static TFile Borrowed(platform::TFileHandle Handle) noexcept {
    TFile file(Handle);
    file.FOwned = false;
    return file;
  }
  TFile(TFile&& Other) noexcept : FHandle(Other.FHandle), FOwned(Other.FOwned) { Other.FHandle = platform::kNoFile; }
  TFile& operator=(TFile&& Other) noexcept;
  TFile(const TFile&) = delete;
  TFile& operator=(const TFile&) = delete;
  ~TFile();

  platform::TFileHandle Handle() const noexcept { return FHandle; }
  bool IsOpen() const noexcept { return FHandle != platform::kNoFile; }
  // Closes the file (once); raises EInOutError if the system reports a failure.
  void Close();

private:
  platform::TFileHandle FHandle = platform::kNoFile;
  bool FOwned = true;
};

// Reads an open file for a TLineSource.
class TFileBlockReader final : public TBlockReader {
public:
  explicit TFileBlockReader(const TFile& File) : FFile(File) {}
  size_t ReadBlock(char* Buffer, size_t Size) override;
  uint64_t RemainingHint() override;

private:
  const TFile& FFile;
};

// Writes the page to an open file in large chunks; every write is checked.
class TFileSink final : public TPageSink {
public:
  static constexpr size_t kChunkSize = 64 * 1024;

  explicit TFileSink(const TFile& File) : FFile(File) { FPending.reserve(kChunkSize); }
  void Write(std::string_view Bytes) override;
  void Flush() override;

private:
  const TFile& FFile;
  std::string FPending;
};

}  // namespace pmrconv
