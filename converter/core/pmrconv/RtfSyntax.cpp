#include "pmrconv/RtfSyntax.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "pmrconv/Errors.h"

namespace pmrconv {

namespace {

// Text as an error message may hold it: a NUL byte of the document is written "#0", since every message box and
// C string would end the message there.
std::string ShownInMessage(std::string_view Text) {
  std::string shown;
  for (const char c : Text) {
    if (c == '\0') {
      shown += "#0";
    } else {
      shown += c;
    }
  }
  return shown;
}

}  // namespace

int32_t StrToInt(std::string_view Text) {
  size_t i = 0;
  bool negative = false;
  if (i < Text.size() && (Text[i] == '-' || Text[i] == '+')) negative = Text[i++] == '-';
  const bool hasDigits = i < Text.size();
  int64_t value = 0;
  for (; i < Text.size(); ++i) {
    const char c = Text[i];
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > int64_t{INT32_MAX} + 1) break;  // already out of range; stop before int64 could overflow
  }
  if (negative) value = -value;
  if (!hasDigits || i != Text.size() || value > INT32_MAX || value < INT32_MIN) {
    throw EConvertError("'" + ShownInMessage(Text) + "' ist kein gültiger Integerwert");
  }
  return static_cast<int32_t>(value);
}

int HexToByte(std::string_view X) {
  int result = 0;
  for (size_t k = 0; k < 2; ++k) {
    if (k >= X.size()) StrToInt({});
    const char c = X[k];
    int digit;
    if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else {
      digit = StrToInt(std::string_view(&c, 1));
    }
    result = result * 16 + digit;
  }
  return result;
}

}  // namespace pmrconv
