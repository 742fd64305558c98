#include "ConvertCommand.h"

#include <exception>
#include <span>
#include <string>

#include "PageRules.h"
#include "cli/CommandOptions.h"
#include "cli/ConsoleText.h"
#include "cli/DocumentList.h"
#include "cli/FileSystem.h"
#include "cli/ProgressLine.h"
#include "pmrconv.h"

namespace {

using namespace Cli;

constexpr std::string_view kProgram = "pelmora-convert";

int UsageError(std::FILE* Err, const std::string& Problem) {
  WriteText(Err, std::string(kProgram) + ": " + NameForMessage(Problem) + "; try '" + std::string(kProgram) +
                     " --help'\n");
  return 2;
}

pmrconv::TDocumentEnd EndFor(const std::string& Name) {
  return Name == kStandardStream ? pmrconv::TDocumentEnd::StandardStream() : pmrconv::TDocumentEnd::File(Name);
}

// Converts one document; raises what the conversion or making its folders raises.
void Convert(const TDocument& Document, std::FILE* Out) {
  if (!Document.Problem.empty()) throw rtl::Exception(Document.Problem);
  for (const std::string& folder : Document.Folders) MakeFolder(folder);
  if (Document.Dest == kStandardStream) std::fflush(Out);  // the page follows what was printed before it
  pmrconv::ConvertFile(EndFor(Document.Source), EndFor(Document.Dest), Document.Source);
}

int ConvertDocuments(const std::vector<TDocument>& Documents, const TCommandOptions& Options, std::FILE* Out,
                     std::FILE* Err) {
  const size_t total = Documents.size();
  TProgressLine progress(Err, !Options.Quiet && total > 1 && IsTerminal(Err), total);
  size_t converted = 0;
  size_t failed = 0;
  for (const TDocument& document : Documents) {
    const std::string source = NameForMessage(document.Source);
    progress.Show(converted + failed, failed, source);
    try {
      Convert(document, Out);
      ++converted;
      if (Options.Verbose) {
        progress.Clear();
        WriteText(Out, source + " -> " + NameForMessage(document.Dest) + "\n");
      }
    } catch (const std::exception& error) {
      ++failed;
      progress.Clear();
      WriteText(Err, source + ": " + PageRules::MessageWithPeriod(error.what()) + "\n");
    }
  }
  progress.Clear();
  if (failed > 0 && total > 1) WriteText(Err, BatchCounts(converted, total, failed) + "\n");
  return failed > 0 ? 1 : 0;
}

}  // namespace

int RunConvertCommand(int ArgCount, const char* const* Args, std::FILE* Out, std::FILE* Err) {
  TCommandOptions options;
  try {
    options = ParseOptions(std::span<const char* const>(Args, static_cast<size_t>(ArgCount)));
  } catch (const EUsageError& error) {
    return UsageError(Err, error.Message());
  }
  switch (options.Action) {
    case TCommandOptions::TAction::Help: WriteText(Out, kHelpText); return 0;
    case TCommandOptions::TAction::Version:
      WriteText(Out, std::string(kProgram) + " " + PELMORA_VERSION +
                         "\nCopyright (c) 2026 the pelmora developers\n"
                         "MIT License: free to use, copy, modify and distribute; provided without warranty.\n");
      return 0;
    case TCommandOptions::TAction::Convert: break;
  }
  if (options.PageFolder && !IsFolder(*options.PageFolder)) {
    WriteText(Err, std::string(kProgram) + ": -d " + NameForMessage(*options.PageFolder) + ": no such folder\n");
    return 2;
  }
  return ConvertDocuments(ListDocuments(options), options, Out, Err);
}
