#include "pmrconv/Convert.h"

#include <exception>

#include "pmrconv.h"
#include "pmrconv/Context.h"
#include "pmrconv/FileStreams.h"
#include "pmrconv/GroupReader.h"
#include "pmrconv/HtmlOutput.h"
#include "pmrconv/WorkingLine.h"

namespace pmrconv {

namespace {

// Runs Step, keeping its error only when no earlier one is pending: the first error is the one reported.
template <typename TStep>
void KeepFirstError(std::exception_ptr& First, TStep&& Step) {
  try {
    Step();
  } catch (...) {
    if (!First) First = std::current_exception();
  }
}

// Points EmitHtml at a sink for the length of one conversion.
class TSinkScope {
public:
  explicit TSinkScope(TPageSink& Sink) { Context().Sink = &Sink; }
  ~TSinkScope() { Context().Sink = nullptr; }
  TSinkScope(const TSinkScope&) = delete;
  TSinkScope& operator=(const TSinkScope&) = delete;
};

}  // namespace

void ConvertStream(TLineSource& Source, TPageSink& Sink, const std::string& Title) {
  TConversionContext& ctx = Context();
  ctx.LineBuffer.clear();
  ctx.BookmarkParagraph = false;
  ctx.ColourTable.clear();
  TSinkScope scope(Sink);

  std::exception_ptr first;
  KeepFirstError(first, [&] {
    WriteLine(Sink, "<HTML>");
    WriteLine(Sink, "<HEAD>");
    // The title is a file name, which may hold anything a name may: as text, never as markup.
    std::string title = "<TITLE>";
    AppendEscapedText(title, Title);
    WriteLine(Sink, title + "</TITLE>");
    WriteLine(Sink, "</HEAD>");
    WriteLine(Sink,
              R"(<BODY TEXT="#000000" BGCOLOR="#FFFFFF" LINK="#3333FF" VLINK="#999999" ALINK="#FF0000">)");
    Sink.Flush();
    TWorkingLine line;
    line.ReadNext(Source);
    ReadGroup(Source, line);
  });
  KeepFirstError(first, [&] {
    WriteLine(Sink, ctx.LineBuffer);
    WriteLine(Sink, "</BODY>");
    WriteLine(Sink, "</HTML>");
  });
  ctx.LineBuffer.clear();
  std::vector<std::string>().swap(ctx.ColourTable);
  KeepFirstError(first, [&] { Sink.Flush(); });
  if (first) std::rethrow_exception(first);
}

void ConvertFile(const std::string& SourceName, const std::string& DestName) {
  ConvertFile(TDocumentEnd::File(SourceName), TDocumentEnd::File(DestName), SourceName);
}

void ConvertFile(const TDocumentEnd& Source, const TDocumentEnd& Dest, const std::string& Title) {
  Context().ColourTable.clear();
  TFile source = Source.Standard ? TFile::Borrowed(platform::StandardInput())
                                 : TFile(platform::OpenSource(Source.Name));
  TFile dest = Dest.Standard ? TFile::Borrowed(platform::StandardOutput(source.Handle()))
                             : TFile(platform::CreateDestination(Dest.Name, source.Handle()));

  std::exception_ptr first;
  KeepFirstError(first, [&] {
    TFileBlockReader reader(source);
    TLineSource lines(reader);
    TFileSink sink(dest);
    ConvertStream(lines, sink, Title);
  });
  KeepFirstError(first, [&] { source.Close(); });
  KeepFirstError(first, [&] { dest.Close(); });
  if (first) std::rethrow_exception(first);
}

void ConvertText(std::string_view Source, const std::string& Title, std::string& Page) {
  Page.clear();
  TStringSink sink(Page);
  TLineSource lines(Source);
  ConvertStream(lines, sink, Title);
}

std::string ConvertText(std::string_view Source, const std::string& Title) {
  std::string page;
  ConvertText(Source, Title, page);
  return page;
}

}  // namespace pmrconv
