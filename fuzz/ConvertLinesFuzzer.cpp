// The in-memory conversion of documents cut into very short lines, so that the readers keep meeting line ends
// inside control words, table entries, skipped groups and a table's look-ahead, and have to join lines.
//
// The first byte chooses the cut: its low four bits give the line length (1 to 16 bytes), bit 4 a bare CR instead
// of CR LF as the line end. The rest of the input is the document.

#include <cstddef>
#include <cstdint>
#include <string>

#include "ConvertFuzzer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  if (Size == 0) return 0;
  const size_t length = (Data[0] & 0x0F) + 1;
  const std::string_view lineEnd = (Data[0] & 0x10) ? "\r" : "\r\n";
  const std::string_view rest(reinterpret_cast<const char*>(Data) + 1, Size - 1);
  std::string cut;
  cut.reserve(rest.size() + (rest.size() / length + 1) * 2);
  for (size_t at = 0; at < rest.size(); at += length) {
    cut.append(rest.substr(at, length));
    cut.append(lineEnd);
  }
  pelmora::fuzz::ConvertAndCheck(cut);
  return 0;
}
