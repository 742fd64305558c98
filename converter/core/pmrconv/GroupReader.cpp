#include "pmrconv/GroupReader.h"

#include <cstdint>
#include <string>
#include <vector>

#include "pmrconv/Context.h"
#include "pmrconv/ControlWords.h"
#include "pmrconv/FontColourTables.h"
#include "pmrconv/HtmlOutput.h"
#include "pmrconv/RtfSyntax.h"
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
  TGroupReader(TLineSource& Source, TWorkingLine& Line) : FSource(Source), FLine(Line), FCtx(Context()) {}

  void Run() {
    FFrames.PushFresh();
    FCtx.HiddenText = false;
    size_t i = 0;
    for (;;) {
      if (i >= FLine.Length()) {
        if (FSource.Eof()) {
          FLine.Clear();
          return;
        }
        FLine.ReadNext(FSource);
        i = 0;
        continue;
      }
      switch (FLine[i]) {
        case '{':
          RestOfLine(FSource, FLine, i + 1);
          FFrames.PushFresh();
          FCtx.HiddenText = false;
          i = 0;
          break;
        case '}':
          RestOfLine(FSource, FLine, i + 1);
          FCtx.HiddenText = false;
          // Emitting nothing cannot complete a chunk: the buffer was checked when it last grew.
          if (!FFrames.Top().Stack.Empty()) EmitHtml(CloseAllTags(FFrames.Top().Stack));
          FFrames.Pop();
          if (FFrames.Empty()) return;  // an extra "}" at top level ends the document
          i = 0;
          break;
        case '\\':
          i = Backslash(i);
          break;
        default: {
          const size_t end = TextRunEnd(FLine, i);
          if (!FCtx.HiddenText) EmitEscapedText(FLine.Sub(i, end - i));
          i = end;
        }
      }
    }
  }

private:
  // Handles the backslash at I; returns where the scan goes on.
  size_t Backslash(size_t I) {
    if (I + 1 >= FLine.Length()) return I + 1;  // a backslash that ends the line is dropped
    const char d = FLine[I + 1];
    switch (d) {
      case '\\':
      case '{':
      case '}':
        EmitHtml(std::string_view(&d, 1));
        return I + 2;
      case '~':
        EmitHtml(" ");
        return I + 2;
      case '-':
      case '_':
        EmitHtml("-");
        return I + 2;
      case '\'':
        EmitHtml(CharacterCode(FLine.Sub(I + 2, 2)));
        return I + 4;
      case '*':
        if (FLine.Sub(I + 3, 4) == "bkmk" && !FCtx.BookmarkParagraph) {
          EmitHtml("<P>");
          FCtx.BookmarkParagraph = true;
        }
        RestOfLine(FSource, FLine, I + 1);
        SkipGroup(FSource, FLine);
        return 0;
      default:
        if (d >= 'a' && d <= 'z') return ControlWord(I);
        return I + 2;
    }
  }

  size_t ControlWord(size_t I) {
    const size_t end = WordEnd(FLine, I + 1);
    const std::string word(FLine.Sub(I + 1, end - I - 1));
    size_t resume;
    if (end >= FLine.Length()) {
      // The word ends the line: it is acted on, and the scan goes on with the next line.
      if (!FSource.Eof()) {
        FLine.ReadNext(FSource);
        resume = 0;
      } else {
        resume = end;
      }
    } else {
      resume = FLine[end] == ' ' ? end + 1 : end;
    }

    const std::string_view w = word;  // compared as a view: the length decides most comparisons
    if (w == "fonttbl") return FontTableKeyword(resume);
    if (w == "colortbl") return TableKeyword(ReadColourTable, resume);
    if (w == "trowd") {
      RestOfLine(FSource, FLine, resume);
      ReadTable(FSource, FLine);
      return 0;
    }
    if (IsSkippedDestination(word)) {
      RestOfLine(FSource, FLine, resume);
      SkipGroup(FSource, FLine);
      if (w == "pict") EmitHtml(kPicturePlaceholder);
      return 0;
    }
    TGroupFrame& frame = FFrames.TopForChange();
    const std::string html = TranslateControlWord(word, frame.Stack, frame.F, 0);
    if (!html.empty()) EmitHtml(html);
    return resume;
  }

  // Hands the working line to a table reader. A reader that consumed nothing (an empty or malformed table) would
  // meet the same keyword again at position 0 without end: the scan then goes on after the keyword instead.
  size_t TableKeyword(void (*Reader)(TLineSource&, TWorkingLine&), size_t Resume) {
    const uint64_t before = FLine.Version();
    Reader(FSource, FLine);
    return FLine.Version() != before ? 0 : Resume;
  }

  // The font table reader finds the same nothing again while the line stays the same, so a run of \fonttbl words
  // on one line is answered without reading the line again each time.
  size_t FontTableKeyword(size_t Resume) {
    if (FLine.Version() == FFontTableStuckAt) return Resume;
    const uint64_t before = FLine.Version();
    const size_t next = TableKeyword(ReadFontTable, Resume);
    if (FLine.Version() == before) FFontTableStuckAt = before;
    return next;
  }

  TLineSource& FSource;
  TWorkingLine& FLine;
  TConversionContext& FCtx;
  TGroupFrames FFrames;
  uint64_t FFontTableStuckAt = UINT64_MAX;
};

}  // namespace

void ReadGroup(TLineSource& Source, TWorkingLine& Line) { TGroupReader(Source, Line).Run(); }

}  // namespace pmrconv
