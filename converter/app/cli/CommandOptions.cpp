#include "CommandOptions.h"

#include <algorithm>
#include <array>

namespace Cli {

const std::string_view kHelpText =
    "Usage: pelmora-convert [OPTION]... SOURCE...\n"
    "       pelmora-convert [OPTION]... -r FOLDER...\n"
    "Converts each RTF document SOURCE into an HTML page.\n"
    "\n"
    "  -o DEST    write the page of the one SOURCE to DEST (\"-\": standard output)\n"
    "  -d DIR     put every page into the existing folder DIR\n"
    "  -r FOLDER  convert every file below FOLDER ending in \".rtf\" (any case)\n"
    "  -v         print \"SOURCE -> DEST\" for each converted document\n"
    "  -q         show no progress line\n"
    "  -u, --utf-8    write the pages in UTF-8: every character of the document,\n"
    "                 in every script, with the charset declared in the head\n"
    "  -h, --help     show this help and exit\n"
    "  -V, --version  show the version and exit\n"
    "\n"
    "Without -o, the page of SOURCE goes to SOURCE without its last three\n"
    "characters, followed by \"htm\" (letter.rtf gives letter.htm); an existing\n"
    "file is replaced. With -d it goes into DIR under that name, and the pages of\n"
    "-r keep their folders below DIR. SOURCE \"-\" reads standard input and,\n"
    "without -o, writes the page to standard output. The page title is SOURCE as\n"
    "given. All documents are converted in one run, in order; the fonts of a\n"
    "document's font table stay known to the documents after it.\n"
    "\n"
    "A failing document is reported on standard error as \"SOURCE: message\" and\n"
    "the next one is converted; a batch with failures ends with\n"
    "\"N of M documents converted, K failed\". On a terminal, a batch shows its\n"
    "progress on standard error unless -q is given.\n"
#ifdef _WIN32
    "Wildcards in SOURCE (*.rtf, docs\\*.rtf) are expanded; /? shows this help.\n"
#endif
    "\n"
    "Exit status: 0 when every document was converted, 1 when any failed,\n"
    "2 on a usage error or a missing -d folder.\n";

namespace {

enum class TOption { Dest, PageFolder, Recursive, Verbose, Quiet, Utf8, Help, Version };

struct TOptionRow {
  char Letter;
  std::string_view Long;
  TOption Option;
  bool TakesValue;
};

constexpr std::array<TOptionRow, 8> kOptions = {{
    {'o', "", TOption::Dest, true},
    {'d', "", TOption::PageFolder, true},
    {'r', "", TOption::Recursive, true},
    {'v', "", TOption::Verbose, false},
    {'q', "", TOption::Quiet, false},
    {'u', "--utf-8", TOption::Utf8, false},
    {'h', "--help", TOption::Help, false},
    {'V', "--version", TOption::Version, false},
}};

const TOptionRow* FindLetter(char Letter) {
  const auto row =
      std::find_if(kOptions.begin(), kOptions.end(), [&](const TOptionRow& r) { return r.Letter == Letter; });
  return row == kOptions.end() ? nullptr : &*row;
}

const TOptionRow* FindLong(std::string_view Name) {
  const auto row = std::find_if(kOptions.begin(), kOptions.end(),
                                [&](const TOptionRow& r) { return !r.Long.empty() && r.Long == Name; });
  return row == kOptions.end() ? nullptr : &*row;
}

void SetOnce(std::optional<std::string>& Slot, std::string Value, std::string_view Option) {
  if (Slot) throw EUsageError(std::string(Option) + " given twice");
  if (Value.empty()) throw EUsageError("an empty name for " + std::string(Option));
  Slot = std::move(Value);
}

// Applies one option; false when it ends the reading (help, version).
bool Apply(TCommandOptions& Options, TOption Option, std::string Value) {
  switch (Option) {
    case TOption::Dest: SetOnce(Options.Dest, std::move(Value), "-o"); break;
    case TOption::PageFolder: SetOnce(Options.PageFolder, std::move(Value), "-d"); break;
    case TOption::Recursive:
      if (Value.empty()) throw EUsageError("an empty name for -r");
      Options.Sources.push_back({std::move(Value), true});
      break;
    case TOption::Verbose: Options.Verbose = true; break;
    case TOption::Quiet: Options.Quiet = true; break;
    case TOption::Utf8: Options.Utf8 = true; break;
    case TOption::Help: Options.Action = TCommandOptions::TAction::Help; return false;
    case TOption::Version: Options.Action = TCommandOptions::TAction::Version; return false;
  }
  return true;
}

void CheckCombination(const TCommandOptions& Options) {
  if (Options.Sources.empty()) throw EUsageError("no SOURCE given");
  const bool anyFolder = std::any_of(Options.Sources.begin(), Options.Sources.end(),
                                     [](const TSourceArgument& s) { return s.Folder; });
  if (Options.Dest && (Options.Sources.size() != 1 || anyFolder)) throw EUsageError("-o takes exactly one SOURCE");
  if (Options.Dest && Options.PageFolder) throw EUsageError("-o and -d cannot be given together");
  const auto stdins = std::count_if(Options.Sources.begin(), Options.Sources.end(), [](const TSourceArgument& s) {
    return !s.Folder && s.Path == kStandardStream;
  });
  if (stdins > 1) throw EUsageError("standard input (-) can be read only once");
}

}  // namespace

TCommandOptions ParseOptions(std::span<const char* const> Args) {
  TCommandOptions options;
  bool optionsDone = false;
  for (size_t i = 0; i < Args.size(); ++i) {
    const std::string_view arg = Args[i];
#ifdef _WIN32
    if (!optionsDone && arg == "/?") {
      options.Action = TCommandOptions::TAction::Help;
      return options;
    }
#endif
    if (optionsDone || arg.size() < 2 || arg[0] != '-') {
      if (arg.empty()) throw EUsageError("an empty SOURCE name");
      options.Sources.push_back({std::string(arg), false});
    } else if (arg == "--") {
      optionsDone = true;
    } else if (arg.starts_with("--")) {
      const TOptionRow* row = FindLong(arg);
      if (!row) throw EUsageError("unknown option '" + std::string(arg) + "'");
      if (!Apply(options, row->Option, {})) return options;
    } else {
      // A cluster of one-letter options (-vq); a value is the rest of the argument (-oDEST) or the next one.
      for (size_t at = 1; at < arg.size(); ++at) {
        const TOptionRow* row = FindLetter(arg[at]);
        if (!row) throw EUsageError("unknown option '-" + std::string(1, arg[at]) + "'");
        std::string value;
        if (row->TakesValue) {
          if (at + 1 < arg.size()) {
            value = arg.substr(at + 1);
          } else if (i + 1 < Args.size()) {
            value = Args[++i];
          } else {
            throw EUsageError("-" + std::string(1, row->Letter) + " needs a value");
          }
          at = arg.size();
        }
        if (!Apply(options, row->Option, std::move(value))) return options;
      }
    }
  }
  CheckCombination(options);
  return options;
}

}  // namespace Cli
