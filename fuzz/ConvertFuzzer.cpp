// The in-memory conversion of arbitrary bytes.

#include <cstddef>
#include <cstdint>

#include "ConvertFuzzer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  pelmora::fuzz::ConvertAndCheck(std::string_view(reinterpret_cast<const char*>(Data), Size));
  return 0;
}
