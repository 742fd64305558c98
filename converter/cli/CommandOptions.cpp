#include "CommandOptions.h"

#include <getopt.h>

#include <algorithm>
#include <array>

namespace Cli {

const std::string_view kHelpText =
    "Usage: pelmora-convert [OPTION]... SOURCE...\n"
    "       pelmora-convert [OPTION]... -r FOLDER...\n"
    "Converts each RTF document SOURCE into an HTML page.\n"
    "\n"
    "  -o, --output=DEST       write the page of the one SOURCE to DEST\n"
    "                            (\"-\": standard output)\n"
    "  -d, --dir=DIR           put every page into the existing folder DIR\n"
    "  -r, --recursive=FOLDER  convert every file below FOLDER ending in \".rtf\"\n"
    "                            (any case)\n"
    "  -v, --verbose           print \"SOURCE -> DEST\" for each converted document\n"
    "  -q, --quiet             show no progress line\n"
    "  -u, --utf-8             write the pages in UTF-8: every character of the\n"
    "                            document, in every script, with the charset\n"
    "                            declared in the head\n"
    "  -h, --help              show this help and exit\n"
    "  -V, --version           show the version and the licence and exit\n"
    "\n"
    "Without -o, the page of SOURCE goes to SOURCE without its last three\n"
    "characters, followed by \"htm\" (letter.rtf gives letter.htm); an existing\n"
    "file is replaced. With -d it goes into DIR under that name, and the pages of\n"
    "-r keep their folders below DIR. SOURCE \"-\" reads standard input and,\n"
    "without -o, writes the page to standard output. The page title is SOURCE as\n"
    "given. All documents are converted in one run, in order; the fonts of a\n"
    "document's font table stay known to the documents after it.\n"
    "\n"
    "A destination is written once per run: a later SOURCE with the same\n"
    "destination fails. With -r or -d, a destination that is a link, a pipe, a\n"
    "device or a folder is left untouched and its SOURCE fails.\n"
    "\n"
    "A failing document is reported on standard error as \"SOURCE: message\"\n"
    "(\"SOURCE: DEST: message\" when the destination failed) and the next one is\n"
    "converted; a batch with failures ends with\n"
    "\"N of M documents converted, K failed\". On a terminal, a batch shows its\n"
    "progress on standard error unless -q is given. Control characters in file\n"
    "names are shown escaped (\\n, \\033).\n"
#ifdef _WIN32
    "Wildcards in SOURCE (*.rtf, docs\\*.rtf) are expanded; /? shows this help.\n"
#endif
    "\n"
    "Exit status: 0 when every document was converted, 1 when any failed or\n"
    "an output could not be written, 2 on a usage error or a missing -d or -r\n"
    "folder.\n";

namespace {

// Short letters in the order of the long forms; "-" first returns the arguments that are not options in their
// place (code 1), so -r FOLDER and SOURCE keep their order; ":" first reports a missing value apart.
constexpr const char* kShortOptions = "-:o:d:r:vquhV";
const std::array<option, 9> kLongOptions = {{
    {"output", required_argument, nullptr, 'o'},
    {"dir", required_argument, nullptr, 'd'},
    {"recursive", required_argument, nullptr, 'r'},
    {"verbose", no_argument, nullptr, 'v'},
    {"quiet", no_argument, nullptr, 'q'},
    {"utf-8", no_argument, nullptr, 'u'},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {nullptr, 0, nullptr, 0},
}};

void SetOnce(std::optional<std::string>& Slot, std::string Value, std::string_view Option) {
  if (Slot) throw EUsageError(std::string(Option) + " given twice");
  if (Value.empty()) throw EUsageError("an empty name for " + std::string(Option));
  Slot = std::move(Value);
}

void AddSource(TCommandOptions& Options, std::string Path, bool Folder) {
  if (Path.empty()) throw EUsageError(Folder ? "an empty name for -r" : "an empty SOURCE name");
  Options.Sources.push_back({std::move(Path), Folder});
}

// The option getopt_long could not take, as the user wrote it: a long form without its value, or the letter.
std::string OptionText(int Letter, std::string_view Argument) {
  if (Argument.starts_with("--")) return std::string(Argument.substr(0, Argument.find('=')));
  return "-" + std::string(1, static_cast<char>(Letter));
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
  // getopt_long wants the program's name first and may reorder what it is given, so it reads a copy.
  std::vector<std::string> texts{"pelmora-convert"};
  texts.insert(texts.end(), Args.begin(), Args.end());
  std::vector<char*> argv;
  for (std::string& text : texts) argv.push_back(text.data());
  argv.push_back(nullptr);
  const int argc = static_cast<int>(texts.size());

  TCommandOptions options;
  opterr = 0;  // the messages are ours
  optind = 0;  // a fresh reading, also when the command runs twice in one process
  for (;;) {
    const int code = getopt_long(argc, argv.data(), kShortOptions, kLongOptions.data(), nullptr);
    if (code == -1) break;
    const std::string value = optarg != nullptr ? optarg : "";
    switch (code) {
      case 1:
#ifdef _WIN32
        if (value == "/?") {
          options.Action = TCommandOptions::TAction::Help;
          return options;
        }
#endif
        AddSource(options, value, false);
        break;
      case 'o': SetOnce(options.Dest, value, "-o"); break;
      case 'd': SetOnce(options.PageFolder, value, "-d"); break;
      case 'r': AddSource(options, value, true); break;
      case 'v': options.Verbose = true; break;
      case 'q': options.Quiet = true; break;
      case 'u': options.Utf8 = true; break;
      case 'h': options.Action = TCommandOptions::TAction::Help; return options;
      case 'V': options.Action = TCommandOptions::TAction::Version; return options;
      case ':': throw EUsageError(OptionText(optopt, argv[static_cast<size_t>(optind - 1)]) + " needs a value");
      default: {
        const std::string_view argument = argv[static_cast<size_t>(optind - 1)];
        if (optopt != 0 && argument.starts_with("--"))
          throw EUsageError(OptionText(optopt, argument) + " takes no value");
        throw EUsageError("unknown option '" + OptionText(optopt, argument) + "'");
      }
    }
  }
  // What follows "--" is SOURCE names only.
  for (int at = optind; at < argc; ++at) AddSource(options, texts[static_cast<size_t>(at)], false);
  CheckCombination(options);
  return options;
}

}  // namespace Cli
