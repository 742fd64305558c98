#include "pmrconv/GroupReader.h"

#include <cstdint>
#include <string>
#include <vector>

#include "pmrconv/Context.h"
#include "pmrconv/ControlWords.h"
#include "pmrconv/FontColourTables.h"
#include "pmrconv/HtmlOutput.h"
#include "pmrconv/RtfScanner.h"
#include "pmrconv/SkipGroup.h"
#include "pmrconv/TableReader.h"
#include "pmrconv/TagStack.h"

namespace pmrconv {

namespace {

// One open group: its own format and tag stack. Runs of nested groups that have done nothing yet (as in "{{{{")
// share one entry, so that bare nesting costs no memory per level.
struct TGroupFrame {
  format F;
  TTagStack Stack;
  uint64_t Copies = 1;
};

class TGroupFrames {
public:
  void PushFresh() {
    if (FCount > 0 && IsFresh(FItems[FCount - 1])) {
      ++FItems[FCount - 1].Copies;
    } else {
      PushNew();
    }
  }

  // The innermost group, on its own entry so that changes to it touch no other group.
  TGroupFrame& TopForChange() {
    if (Top().Copies > 1) {
      --Top().Copies;
      PushNew();
    }
    return Top();
  }

  TGroupFrame& Top() { return FItems[FCount - 1]; }

  void Pop() {
    if (--Top().Copies == 0) --FCount;
  }

  bool Empty() const noexcept { return FCount == 0; }

private:
  static bool IsFresh(const TGroupFrame& Frame) {
    static const format kFresh{};
    return Frame.Stack.Empty() && Frame.F == kFresh;
  }

  // Entries that groups have left are kept and reused, so that opening and closing groups allocates nothing
  // once the deepest nesting has been seen.
  void PushNew() {
    if (FCount == FItems.size()) {
      FItems.emplace_back();
    } else {
      TGroupFrame& frame = FItems[FCount];
      frame.F = format{};
      frame.Stack.Clear();
      frame.Copies = 1;
    }
    ++FCount;
  }

  std::vector<TGroupFrame> FItems;
  size_t FCount = 0;
};

class TGroupReader {
public:
  TGroupReader(TLineSource& Source, TWorkingLine& Line)
      : FSource(Source), FLine(Line), FScanner(Source, Line), FCtx(Context()) {}

  void Run() {
    FFrames.PushFresh();
    FCtx.HiddenText = false;
    size_t i = 0;
    for (;;) {
      if (i >= FLine.Length()) {
        if (!FScanner.NextLine(i, TLineJoin::Replace)) {
          FLine.Clear();
          return;
        }
        continue;
      }
      const TToken token = FScanner.Read(i, TLineJoin::Replace);
      i = token.Next;
      switch (token.Kind) {
        case TTokenKind::OpenBrace:
          RestOfLine(FSource, FLine, i);
          FFrames.PushFresh();
          FCtx.HiddenText = false;
          i = 0;
          break;
        case TTokenKind::CloseBrace:
          RestOfLine(FSource, FLine, i);
          FCtx.HiddenText = false;
          // Emitting nothing cannot complete a chunk: the buffer was checked when it last grew.
          if (!FFrames.Top().Stack.Empty()) EmitHtml(CloseAllTags(FFrames.Top().Stack));
          FFrames.Pop();
          if (FFrames.Empty()) return;  // an extra "}" at top level ends the document
          i = 0;
          break;
        case TTokenKind::Symbol: EmitHtml(token.Text); break;
        case TTokenKind::HexCode: EmitHtml(CharacterCode(token.Text)); break;
        case TTokenKind::Star: i = Star(i); break;
        case TTokenKind::ControlWord: i = ControlWord(token); break;
        case TTokenKind::Text:
          if (!FCtx.HiddenText) EmitEscapedText(token.Text);
          break;
        case TTokenKind::Dropped: break;
      }
    }
  }

private:
  // The star of a \* destination at I: a bookmark may write a paragraph first; the group is skipped.
  size_t Star(size_t I) {
    if (FLine.Sub(I + 2, 4) == "bkmk" && !FCtx.BookmarkParagraph) {
      EmitHtml("<P>");
      FCtx.BookmarkParagraph = true;
    }
    RestOfLine(FSource, FLine, I);
    SkipGroup(FSource, FLine);
    return 0;
  }

  size_t ControlWord(const TToken& Token) {
    const std::string_view w = FScanner.Word();
    const size_t resume = Token.Next;
    // The table readers leave the working line at the table's closing brace, or empty at the end of the input.
    if (w == "fonttbl") {
      ReadFontTable(FSource, FLine, resume);
      return 0;
    }
    if (w == "colortbl") {
      ReadColourTable(FSource, FLine, resume);
      return 0;
    }
    if (w == "trowd") {
      RestOfLine(FSource, FLine, resume);
      TableWithFormatAround();
      return 0;
    }
    if (IsSkippedDestination(w)) {
      const bool picture = w == "pict";  // w lives in the working line, which the skip replaces
      RestOfLine(FSource, FLine, resume);
      SkipGroup(FSource, FLine);
      if (picture) EmitHtml(kPicturePlaceholder);
      return 0;
    }
    TGroupFrame& frame = FFrames.TopForChange();
    const std::string html = TranslateControlWord(w, frame.Stack, frame.F, 0);
    if (!html.empty()) EmitHtml(html);
    return resume;
  }

  // A table starts from a fresh format of its own, and its cells reset what they need: the group's tags close in
  // front of it, so that they do not run on through its cells, and open again after it, where they are still in
  // force for the group.
  void TableWithFormatAround() {
    if (FFrames.Top().Stack.Empty()) {
      ReadTable(FSource, FLine);
      return;
    }
    TTagStack& stack = FFrames.TopForChange().Stack;
    TTagStack around = stack;
    EmitHtml(CloseAllTags(stack));
    ReadTable(FSource, FLine);
    std::string reopened;
    for (size_t k = 0; k < around.Size(); ++k) reopened += around[k].opentag;
    stack = std::move(around);
    EmitHtml(reopened);
  }

  TLineSource& FSource;
  TWorkingLine& FLine;
  TRtfScanner FScanner;
  TConversionContext& FCtx;
  TGroupFrames FFrames;
};

}  // namespace

void ReadGroup(TLineSource& Source, TWorkingLine& Line) { TGroupReader(Source, Line).Run(); }

}  // namespace pmrconv
