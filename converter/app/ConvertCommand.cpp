#include "ConvertCommand.h"

#include <exception>
#include <string_view>
#include <vector>

#include "PageRules.h"
#include "pmrconv.h"

namespace {

constexpr std::string_view kProgram = "pelmora-convert";

constexpr std::string_view kHelp =
    "Usage: pelmora-convert [-o DEST] SOURCE...\n"
    "Converts each RTF document SOURCE into an HTML page.\n"
    "\n"
    "  -o DEST    write the page of the one SOURCE to DEST\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Without -o, the page of SOURCE goes to SOURCE without its last three characters, followed by \"htm\"\n"
    "(letter.rtf gives letter.htm); an existing file is replaced. The page title is SOURCE as given.\n"
    "All SOURCEs are converted in one run, in order; the fonts of a document's font table stay known to\n"
    "the documents after it. A failing SOURCE is reported on standard error as \"SOURCE: message\" and\n"
    "the next one is converted.\n"
    "\n"
    "Exit status: 0 when every SOURCE was converted, 1 when any failed, 2 on a usage error.\n";

void Print(std::FILE* Stream, std::string_view Text) { std::fwrite(Text.data(), 1, Text.size(), Stream); }

int UsageError(std::FILE* Err, const std::string& Problem) {
  Print(Err, std::string(kProgram) + ": " + Problem + "; try '" + std::string(kProgram) + " --help'\n");
  return 2;
}

}  // namespace

int RunConvertCommand(int ArgCount, const char* const* Args, std::FILE* Out, std::FILE* Err) {
  std::vector<std::string> sources;
  std::string dest;
  bool haveDest = false;
  bool optionsDone = false;
  for (int i = 0; i < ArgCount; ++i) {
    const std::string arg = Args[i];
    if (optionsDone || arg.size() < 2 || arg[0] != '-') {
      if (arg.empty()) return UsageError(Err, "an empty SOURCE name");
      sources.push_back(arg);
    } else if (arg == "--") {
      optionsDone = true;
    } else if (arg == "--help") {
      Print(Out, kHelp);
      return 0;
    } else if (arg == "--version") {
      Print(Out, std::string(kProgram) + " " + PELMORA_VERSION + "\n");
      return 0;
    } else if (arg.starts_with("-o")) {
      if (haveDest) return UsageError(Err, "-o given twice");
      if (arg.size() > 2) {
        dest = arg.substr(2);
      } else if (i + 1 < ArgCount) {
        dest = Args[++i];
      } else {
        return UsageError(Err, "-o needs a DEST");
      }
      if (dest.empty()) return UsageError(Err, "an empty DEST name");
      haveDest = true;
    } else {
      return UsageError(Err, "unknown option '" + arg + "'");
    }
  }
  if (sources.empty()) return UsageError(Err, "no SOURCE given");
  if (haveDest && sources.size() != 1) return UsageError(Err, "-o takes exactly one SOURCE");

  int status = 0;
  for (const std::string& source : sources) {
    try {
      pmrconv::ConvertFile(source, haveDest ? dest : PageRules::PageNameFor(source));
    } catch (const std::exception& error) {
      Print(Err, source + ": " + PageRules::MessageWithPeriod(error.what()) + "\n");
      status = 1;
    }
  }
  return status;
}
