#include "pmrconv/Convert.h"

#include <exception>

#include "pmrconv.h"
#include "pmrconv/FileStreams.h"
#include "pmrconv/GroupReader.h"
#include "pmrconv/HtmlOutput.h"
#include "pmrconv/RtfScanner.h"

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

// Points the output at a sink, and the readers at the UTF-8 page's text when one is written, for the length of one
// conversion.
class TSinkScope {
public:
  TSinkScope(TConversionContext& Context, TPageSink& Sink, TUnicodeText* Unicode) : FContext(Context) {
    FContext.Output.Sink = &Sink;
    FContext.Unicode = Unicode;
  }
  ~TSinkScope() {
    FContext.Output.Sink = nullptr;
    FContext.Unicode = nullptr;
  }
  TSinkScope(const TSinkScope&) = delete;
  TSinkScope& operator=(const TSinkScope&) = delete;

private:
  TConversionContext& FContext;
};

}  // namespace

void ConvertStream(TConversionContext& Context, TLineSource& Source, TPageSink& Sink, const std::string& Title,
                   const TConvertOptions& Options) {
  TConversionContext& ctx = Context;
  ctx.Output.LineBuffer.clear();
  ctx.BookmarkParagraph = false;
  ctx.ColourTable.clear();
  const bool utf8 = Options.Page == TPageKind::Utf8;
  ctx.Output.LineEndsInsideTags = utf8;
  if (utf8) ctx.UnicodeText.StartDocument(ctx.FontTable.data());
  TSinkScope scope(ctx, Sink, utf8 ? &ctx.UnicodeText : nullptr);

  std::exception_ptr first;
  KeepFirstError(first, [&] {
    WriteLine(Sink, "<HTML>");
    WriteLine(Sink, "<HEAD>");
    if (utf8) {
      WriteLine(Sink, R"(<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=utf-8">)");
      WriteLine(Sink, "<TITLE>" + ctx.UnicodeText.Title(Title) + "</TITLE>");
    } else {
      // The title is a file name, which may hold anything a name may: as text, never as markup.
      std::string title = "<TITLE>";
      AppendEscapedText(title, Title);
      WriteLine(Sink, title + "</TITLE>");
    }
    WriteLine(Sink, "</HEAD>");
    WriteLine(Sink,
              R"(<BODY TEXT="#000000" BGCOLOR="#FFFFFF" LINK="#3333FF" VLINK="#999999" ALINK="#FF0000">)");
    Sink.Flush();
    TRtfScanner scanner(Source);
    ReadGroup(ctx, scanner);
    if (utf8) ctx.Output.EmitAppended([&](std::string& Out) { ctx.UnicodeText.Finish(Out); });
  });
  KeepFirstError(first, [&] {
    WriteLine(Sink, ctx.Output.LineBuffer);
    WriteLine(Sink, "</BODY>");
    WriteLine(Sink, "</HTML>");
  });
  ctx.Output.LineBuffer.clear();
  std::vector<std::string>().swap(ctx.ColourTable);
  KeepFirstError(first, [&] { Sink.Flush(); });
  if (first) std::rethrow_exception(first);
}

void ConvertFile(TConversionContext& Context, const std::string& SourceName, const std::string& DestName,
                 const TConvertOptions& Options) {
  ConvertFile(Context, TDocumentEnd::File(SourceName), TDocumentEnd::File(DestName), SourceName, Options);
}

void ConvertFile(TConversionContext& Context, const TDocumentEnd& Source, const TDocumentEnd& Dest,
                 const std::string& Title, const TConvertOptions& Options) {
  Context.ColourTable.clear();
  TFile source = Source.Standard ? TFile::Borrowed(platform::StandardInput())
                                 : TFile(platform::OpenSource(Source.Name));
  TFile dest = Dest.Standard ? TFile::Borrowed(platform::StandardOutput(source.Handle()))
                             : TFile(platform::CreateDestination(Dest.Name, source.Handle()));

  std::exception_ptr first;
  KeepFirstError(first, [&] {
    TFileBlockReader reader(source);
    TLineSource lines(reader);
    TFileSink sink(dest);
    ConvertStream(Context, lines, sink, Title, Options);
  });
  KeepFirstError(first, [&] { source.Close(); });
  KeepFirstError(first, [&] { dest.Close(); });
  if (first) std::rethrow_exception(first);
}

void ConvertText(TConversionContext& Context, std::string_view Source, const std::string& Title, std::string& Page,
                 const TConvertOptions& Options) {
  Page.clear();
  TStringSink sink(Page);
  TLineSource lines(Source);
  ConvertStream(Context, lines, sink, Title, Options);
}

std::string ConvertText(TConversionContext& Context, std::string_view Source, const std::string& Title,
                        const TConvertOptions& Options) {
  std::string page;
  ConvertText(Context, Source, Title, page, Options);
  return page;
}

}  // namespace pmrconv
