#include "ConvertCommand.h"

#include <algorithm>
#include <exception>
#include <span>
#include <string>

#include "CommandOptions.h"
#include "ConsoleText.h"
#include "DocumentList.h"
#include "FileSystem.h"
#include "PageRules.h"
#include "ProgressLine.h"
#include "ShownNames.h"
#include "platform/FileIO.h"
#include "pmrconv.h"

namespace {

using namespace Cli;

constexpr std::string_view kProgram = "pelmora-convert";

constexpr std::string_view kLicence =
    "Copyright (c) 2026 the pelmora developers\n"
    "MIT License: free to use, copy, modify and distribute; provided without warranty.\n";

// The read fault of a device: the one file error that a conversion raises for its source rather than its page.
constexpr int kReadFault = 30;

// A document that failed: the message, and what failed when it is not the source (the page, or a folder of it).
class EDocumentFailed : public rtl::Exception {
public:
  EDocumentFailed(std::string Message, std::string Subject)
      : rtl::Exception(std::move(Message)), FSubject(std::move(Subject)) {}
  const std::string& Subject() const noexcept { return FSubject; }
  const char* ClassName() const noexcept override { return "EDocumentFailed"; }

private:
  std::string FSubject;
};

// Standard output and standard error, and whether a write to either has failed.
class TStreams {
public:
  TStreams(std::FILE* Out, std::FILE* Err) : FOut(Out), FErr(Err) {}
  std::FILE* Out() const { return FOut; }
  std::FILE* Err() const { return FErr; }
  void Write(std::FILE* Stream, std::string_view Text) {
    if (!WriteText(Stream, Text)) (Stream == FErr ? FErrFailed : FOutFailed) = true;
  }
  // Status, or 1 at least when an output could not be written; says so on standard error while that works.
  int Finish(int Status) {
    if (std::fflush(FOut) != 0 || std::ferror(FOut)) FOutFailed = true;
    if (FOutFailed) Write(FErr, std::string(kProgram) + ": write error on standard output\n");
    if (std::fflush(FErr) != 0 || std::ferror(FErr)) FErrFailed = true;
    return FOutFailed || FErrFailed ? std::max(Status, 1) : Status;
  }

private:
  std::FILE* FOut;
  std::FILE* FErr;
  bool FOutFailed = false;
  bool FErrFailed = false;
};

int UsageError(TStreams& Streams, const std::string& Problem) {
  Streams.Write(Streams.Err(), std::string(kProgram) + ": " + EscapeControls(NameForMessage(Problem)) + "; try '" +
                                   std::string(kProgram) + " --help'\n");
  return 2;
}

pmrconv::TDocumentEnd EndFor(const std::string& Name) {
  return Name == kStandardStream ? pmrconv::TDocumentEnd::StandardStream() : pmrconv::TDocumentEnd::File(Name);
}

std::string DestName(const std::string& Dest) { return Dest == kStandardStream ? "standard output" : Dest; }

// A source that cannot be converted fails before its page is touched: a folder, or a file that does not open.
void CheckSource(const std::string& Source) {
  if (Source == kStandardStream) return;
  if (FileSystem::IsFolder(Source)) throw EDocumentFailed("is a folder; -r FOLDER converts the documents below it", {});
  try {
    pmrconv::platform::CloseFile(pmrconv::platform::OpenSource(Source));
  } catch (const pmrconv::EInOutError& error) {
    throw EDocumentFailed(error.Message(), {});
  }
}

// A batch writes regular files only: a link is never written through, and a pipe, a device or a folder is never
// opened for a page.
void CheckBatchDestination(const std::string& Dest) {
  const FileSystem::TFolderEntry entry = FileSystem::Inspect(Dest);
  if (entry.Link) throw EDocumentFailed("is a symbolic link, left untouched", Dest);
  if (entry.Kind == FileSystem::TEntryKind::Folder) throw EDocumentFailed("is a folder, left untouched", Dest);
  if (entry.Kind == FileSystem::TEntryKind::Other) throw EDocumentFailed("is not a regular file, left untouched", Dest);
}

// Converts one document in Conversion; raises what the conversion or making its folders raises, naming what failed.
void Convert(pmrconv::TConversionContext& Conversion, const TDocument& Document, bool Batch,
             const pmrconv::TConvertOptions& Page, std::FILE* Out) {
  if (!Document.EarlierSource.empty()) {
    throw EDocumentFailed("already the page of " + ShownName(Document.EarlierSource) + ", not written again",
                          Document.Dest);
  }
  if (!Document.Problem.empty()) throw EDocumentFailed(Document.Problem, {});
  CheckSource(Document.Source);
  for (const std::string& folder : Document.Folders) {
    try {
      FileSystem::MakeFolder(folder);
    } catch (const pmrconv::EInOutError& error) {
      throw EDocumentFailed(error.Message(), folder);
    }
  }
  if (Batch && Document.Dest != kStandardStream) CheckBatchDestination(Document.Dest);
  if (Document.Dest == kStandardStream) std::fflush(Out);  // the page follows what was printed before it
  try {
    pmrconv::ConvertFile(Conversion, EndFor(Document.Source), EndFor(Document.Dest), Document.Source, Page);
  } catch (const pmrconv::EInOutError& error) {
    if (error.ErrorCode() == kReadFault) throw;
    throw EDocumentFailed(error.Message(), DestName(Document.Dest));
  }
}

std::string FailureLine(const std::string& Source, const std::exception& Error) {
  const auto* failed = dynamic_cast<const EDocumentFailed*>(&Error);
  std::string line = ShownName(Source) + ": ";
  if (failed != nullptr && !failed->Subject().empty()) line += ShownName(failed->Subject()) + ": ";
  return line + PageRules::MessageWithPeriod(EscapeControls(Error.what())) + "\n";
}

int ConvertDocuments(const std::vector<TDocument>& Documents, const TCommandOptions& Options, TStreams& Streams) {
  const size_t total = Documents.size();
  const bool batch = Options.PageFolder || std::any_of(Options.Sources.begin(), Options.Sources.end(),
                                                       [](const TSourceArgument& s) { return s.Folder; });
  // A page on standard output keeps it for itself: the -v lines go to standard error then.
  const bool pageOnOut = std::any_of(Documents.begin(), Documents.end(),
                                     [](const TDocument& d) { return d.Dest == kStandardStream; });
  std::FILE* const info = pageOnOut ? Streams.Err() : Streams.Out();
  TProgressLine progress(Streams.Err(), !Options.Quiet && total > 1 && IsTerminal(Streams.Err()), total);
  // One context for the whole run: the fonts of one document's table stay known to the documents after it.
  pmrconv::TConversionContext conversion;
  size_t converted = 0;
  size_t failed = 0;
  pmrconv::TConvertOptions page;
  if (Options.Utf8) page.Page = pmrconv::TPageKind::Utf8;
  for (const TDocument& document : Documents) {
    progress.Show(converted + failed, failed, ShownName(document.Source));
    try {
      if (document.Dest == kStandardStream) progress.Clear();  // the page may go to the same terminal
      Convert(conversion, document, batch, page, Streams.Out());
      ++converted;
      if (Options.Verbose) {
        progress.Clear();
        Streams.Write(info, ShownName(document.Source) + " -> " + ShownName(document.Dest) + "\n");
      }
    } catch (const std::exception& error) {
      ++failed;
      progress.Clear();
      Streams.Write(Streams.Err(), FailureLine(document.Source, error));
    }
  }
  progress.Clear();
  if (failed > 0 && total > 1) Streams.Write(Streams.Err(), BatchCounts(converted, total, failed) + "\n");
  return failed > 0 ? 1 : 0;
}

// The folders of -d and -r must exist before anything is converted; a missing one is a usage error.
int CheckFolders(const TCommandOptions& Options, TStreams& Streams) {
  auto missing = [&](std::string_view Option, const std::string& Folder) {
    Streams.Write(Streams.Err(),
                  std::string(kProgram) + ": " + std::string(Option) + " " + ShownName(Folder) + ": no such folder\n");
    return 2;
  };
  if (Options.PageFolder && !FileSystem::IsFolder(*Options.PageFolder)) return missing("-d", *Options.PageFolder);
  for (const TSourceArgument& source : Options.Sources) {
    if (source.Folder && !FileSystem::IsFolder(source.Path)) return missing("-r", source.Path);
  }
  return 0;
}

int Run(const TCommandOptions& Options, TStreams& Streams) {
  switch (Options.Action) {
    case TCommandOptions::TAction::Help: Streams.Write(Streams.Out(), kHelpText); return 0;
    case TCommandOptions::TAction::Version:
      Streams.Write(Streams.Out(), std::string(kProgram) + " " + PELMORA_VERSION + "\n" + std::string(kLicence));
      return 0;
    case TCommandOptions::TAction::Convert: break;
  }
  if (const int status = CheckFolders(Options, Streams); status != 0) return status;
  return ConvertDocuments(ListDocuments(Options), Options, Streams);
}

}  // namespace

int RunConvertCommand(int ArgCount, const char* const* Args, std::FILE* Out, std::FILE* Err) {
  TStreams streams(Out, Err);
  TCommandOptions options;
  try {
    options = ParseOptions(std::span<const char* const>(Args, static_cast<size_t>(ArgCount)));
  } catch (const EUsageError& error) {
    return streams.Finish(UsageError(streams, error.Message()));
  }
  return streams.Finish(Run(options, streams));
}
