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

void RaiseListIndexError(int32_t Index) {
  throw EListError("Der Index der Liste überschreitet das Maximum (" + std::to_string(Index) + ")");
}

}  // namespace pmrconv
