#include "pmrconv/Errors.h"

namespace pmrconv {

std::string InOutErrorMessage(int Code) {
  switch (Code) {
    case io::kFileNotFound: return "Datei nicht gefunden";
    case io::kPathNotFound: return "Ungültiger Dateiname";
    case io::kTooManyOpenFiles: return "Zu viele Dateien geöffnet";
    case io::kAccessDenied: return "Dateizugriff verweigert";
    case io::kReadPastEnd: return "Lesen nach Dateiende (EOF)";
    case io::kDiskFull: return "Kapazität der Diskette/Festplatte erschöpft";
    case io::kInvalidNumericInput: return "Ungültige numerische Eingabe";
    default: return "I/O-Fehler " + std::to_string(Code);
  }
}

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

void RaiseListIndexError(int32_t Index) {
  throw EListError("Der Index der Liste überschreitet das Maximum (" + std::to_string(Index) + ")");
}

}  // namespace pmrconv
