#pragma once
// The RTF source as a text file read line by line: a line ends at CR, at LF, or at CR LF, so that a document gives
// the same lines whichever of the three its writer used. Ctrl-Z (26) ends the input, except where a reader passes
// over it as binary data. Lines are handed on whole, whatever their length; reading past the end yields an empty
// line.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace pmrconv {

// Where a TLineSource gets its bytes from.
class TBlockReader {
public:
  virtual ~TBlockReader() = default;
  // Reads up to Size bytes into Buffer; 0 only at the end of the input. Raises EInOutError on failure.
  virtual size_t ReadBlock(char* Buffer, size_t Size) = 0;
  // How many bytes are still to come, as far as known; 0 when unknown. Only a hint, never an error.
  virtual uint64_t RemainingHint() { return 0; }
};

class TLineSource {
public:
  static constexpr size_t kBlockSize = 64 * 1024;

  // Serves the lines of Text, which must outlive the source.
  explicit TLineSource(std::string_view Text);
  // Reads through Reader in blocks of BlockSize bytes; Reader must outlive the source.
  explicit TLineSource(TBlockReader& Reader, size_t BlockSize = kBlockSize);

  TLineSource(const TLineSource&) = delete;
  TLineSource& operator=(const TLineSource&) = delete;

  // True once everything up to the end of the input (or its Ctrl-Z) has been consumed.
  bool Eof();
  // Line := the next line, without its line end.
  void ReadLine(std::string& Line);
  // Appends the next line to Line, without a separator.
  void AppendLine(std::string& Line);
  // Whether the line last read ended at a line end (rather than at the end of the input or a Ctrl-Z).
  bool LineEnded() const noexcept { return FLineEnded; }
  // The bytes of that line end: 1 for CR or LF, 2 for CR LF once Eof() has been asked (which passes the LF).
  size_t LineEndBytes() const noexcept { return FLineEndBytes; }
  // When the input stopped at a Ctrl-Z that belongs to binary data: passes over it and lets the input go on, the
  // next line being the rest of the line the Ctrl-Z stood in. False, changing nothing, when the input did not stop
  // at a Ctrl-Z.
  bool PassCtrlZ();

private:
  // Makes at least one unread byte available unless the input is exhausted; applies a pending LF skip.
  bool Available();
  // Before a line grows past one block: room for the rest of the input, so that the line is not copied each
  // time it outgrows its storage (a copy briefly needs twice the line in memory).
  void ReserveForLongLine(std::string& Line);

  TBlockReader* FReader = nullptr;
  std::unique_ptr<char[]> FBlock;
  size_t FBlockSize = 0;
  std::string_view FWindow;  // bytes at hand; FPos is the next unread one
  size_t FPos = 0;
  bool FSkipLF = false;   // a CR ended the previous window: an LF that starts the next belongs to it
  bool FEnded = false;    // Ctrl-Z met, or the reader is exhausted
  bool FAtCtrlZ = false;  // ended at the Ctrl-Z at FPos
  bool FLineEnded = false;
  size_t FLineEndBytes = 0;
};

}  // namespace pmrconv
