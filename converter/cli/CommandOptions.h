#pragma once
// The command line of pelmora-convert, read into options: what to convert, where the pages go, what to print.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Exception.h"

namespace Cli {

// The name that stands for standard input as a SOURCE and standard output as DEST.
inline constexpr std::string_view kStandardStream = "-";

// The command line cannot be carried out; the message names the problem (without the program's name).
class EUsageError : public rtl::Exception {
public:
  using rtl::Exception::Exception;
  const char* ClassName() const noexcept override { return "EUsageError"; }
};

// One SOURCE argument, or the FOLDER of -r (every ".rtf" file below it).
struct TSourceArgument {
  std::string Path;
  bool Folder = false;
};

struct TCommandOptions {
  enum class TAction { Convert, Help, Version };
  TAction Action = TAction::Convert;
  std::vector<TSourceArgument> Sources;  // in the order given
  std::optional<std::string> Dest;       // -o DEST
  std::optional<std::string> PageFolder; // -d DIR
  bool Verbose = false;                  // -v
  bool Quiet = false;                    // -q
  bool Utf8 = false;                     // -u, --utf-8: the UTF-8 page
};

// Reads the arguments (without the program's name). Raises EUsageError for a command line that cannot be carried
// out. Help and version end the reading at once, whatever follows.
TCommandOptions ParseOptions(std::span<const char* const> Args);

// The text of --help.
extern const std::string_view kHelpText;

}  // namespace Cli
