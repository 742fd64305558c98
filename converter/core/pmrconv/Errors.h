#pragma once
// The converter's errors. Messages are the runtime's German texts, byte for byte (UTF-8).

#include <cstdint>
#include <string>
#include <string_view>

#include "Exception.h"

namespace pmrconv {

// Codes of file errors. 2 to 5 and 32 are the operating system's, 100 and up the runtime's own.
namespace io {
constexpr int kFileNotFound = 2;
constexpr int kPathNotFound = 3;
constexpr int kTooManyOpenFiles = 4;
constexpr int kAccessDenied = 5;
constexpr int kSharingViolation = 32;
constexpr int kReadPastEnd = 100;
constexpr int kDiskFull = 101;
constexpr int kInvalidNumericInput = 106;
}  // namespace io

// The message of a file error: "Datei nicht gefunden" for 2 and so on, "I/O-Fehler N" for other codes.
std::string InOutErrorMessage(int Code);

// A file operation failed. The message follows from the code (InOutErrorMessage).
class EInOutError : public rtl::Exception {
public:
  explicit EInOutError(int Code) : rtl::Exception(InOutErrorMessage(Code)), FErrorCode(Code) {}
  int ErrorCode() const noexcept { return FErrorCode; }
  const char* ClassName() const noexcept override { return "EInOutError"; }

private:
  int FErrorCode;
};

// A text that should be a number is not one: "'%s' ist kein gültiger Integerwert".
class EConvertError : public rtl::Exception {
public:
  using rtl::Exception::Exception;
  const char* ClassName() const noexcept override { return "EConvertError"; }
};

// A list was indexed outside its entries: "Der Index der Liste überschreitet das Maximum (%d)".
class EListError : public rtl::Exception {
public:
  using rtl::Exception::Exception;
  const char* ClassName() const noexcept override { return "EListError"; }
};

// Raises EListError for Index.
[[noreturn]] void RaiseListIndexError(int32_t Index);

}  // namespace pmrconv
