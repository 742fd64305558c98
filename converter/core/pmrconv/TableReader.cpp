#include "pmrconv/TableReader.h"

#include <cstdint>
#include <string>

#include "pmrconv/Context.h"
#include "pmrconv/ControlWords.h"
#include "pmrconv/HtmlOutput.h"
#include "pmrconv/RtfScanner.h"
#include "pmrconv/SkipGroup.h"
#include "pmrconv/TagStack.h"

namespace pmrconv {

namespace {

// How many bytes of opening and closing tags a cell may hand on to the next, counted from the outermost tag. Real
// documents carry a handful of tags; without a bound, a deep nest of groups in front of a long run of cells would be
// written again for every cell, and the page would grow with the square of the document.
constexpr size_t kCarriedTagBytes = 160;

// The outermost tags of Stack that fit kCarriedTagBytes, as a stack of their own.
TTagStack TagsCarriedOn(const TTagStack& Stack) {
  TTagStack carried;
  size_t bytes = 0;
  for (size_t k = 0; k < Stack.Size(); ++k) {
    bytes += Stack[k].opentag.size() + WrittenCloseTag(Stack[k].closetag).size();
    if (bytes > kCarriedTagBytes) break;
    carried.Push(Stack[k]);
  }
  return carried;
}

class TTableReader {
public:
  TTableReader(TLineSource& Source, TWorkingLine& Line)
      : FSource(Source), FLine(Line), FScanner(Source, Line), FCtx(Context()) {}

  void Run() {
    ResetFormat(FFormat, TResetScope::All);
    FCtx.HiddenText = false;
    EmitHtml("<BR><TABLE BORDER=2><TR><TD>");
    FFormat.table = tsFirstCell;
    size_t i = 0;
    while (FFormat.table != tsNone) {
      if (i >= FLine.Length()) {
        // The look-ahead keeps all it has read: the scan goes on after the old end.
        if (!FScanner.NextLine(i, Join())) {
          // The input ended inside the table: no "</TABLE>". Text read ahead has only gone into the dropped cell
          // text, so the group reader reads it from the look-ahead's first word; anything else it must not read
          // again.
          if (FLookAhead) {
            FCtx.HiddenText = FHiddenAtLookAhead;
          } else {
            FLine.Clear();
          }
          return;
        }
        continue;
      }
      const TToken token = FScanner.Read(i, Join());
      const size_t at = i;
      i = token.Next;
      switch (token.Kind) {
        case TTokenKind::OpenBrace: ++FLevel; break;
        case TTokenKind::CloseBrace:
          Write(CloseTagsFromLevel(FStack, FLevel));
          --FLevel;
          break;
        case TTokenKind::Symbol: Write(token.Text); break;
        case TTokenKind::HexCode: Write(CharacterCode(token.Text)); break;
        case TTokenKind::Star: i = SkipDestination(i); break;
        case TTokenKind::ControlWord: i = ControlWord(token, at); break;
        case TTokenKind::Text:
          if (!FCtx.HiddenText) WriteText(token.Text);
          break;
        case TTokenKind::Dropped: break;
      }
    }
  }

private:
  TLineJoin Join() const { return FLookAhead ? TLineJoin::Append : TLineJoin::Replace; }

  bool CollectsCellText() const { return FFormat.table == tsCell || FFormat.table == tsRowEnd; }

  void Write(std::string_view Html) {
    if (CollectsCellText()) {
      FCellText.append(Html);
    } else {
      EmitHtml(Html);
    }
  }

  // Write of Text escaped, without a copy of its own.
  void WriteText(std::string_view Text) {
    if (CollectsCellText()) {
      AppendEscapedText(FCellText, Text);
    } else {
      EmitEscapedText(Text);
    }
  }

  // Skips the destination group whose text begins at From. Outside a look-ahead the working line is cut as in the
  // group reader and the scan restarts at its start; during a look-ahead the group is only stepped over, so that
  // the text read ahead stays exactly as the document has it. Either way the scan meets the group's "}" next.
  size_t SkipDestination(size_t From) {
    if (FLookAhead) return SkipGroupInPlace(FSource, FLine, From);
    RestOfLine(FSource, FLine, From);
    SkipGroup(FSource, FLine);
    return 0;
  }

  // The control word of Token, whose backslash is at I.
  size_t ControlWord(const TToken& Token, size_t I) {
    const std::string_view w = FScanner.Word();  // lives in the working line: compared before the line changes
    const size_t resume = Token.Next;
    if (IsSkippedDestinationInTable(w)) {
      const bool picture = w == "pict";
      const size_t next = SkipDestination(resume);
      if (picture) Write(kPicturePlaceholder);
      return next;
    }
    if (w == "par" || w == "sect") {
      if (FFormat.table == tsCell) FCellText += "<BR>";
      if (FFormat.table == tsFirstCell) EmitHtml("<BR>");
      return resume;
    }
    if (w == "intbl") {
      FLookAhead = false;
      return resume;
    }
    if (w == "pard" || (w == "widctlpar" && !IntblFollows(resume))) {
      return ParagraphStart(w == "pard", I, Token.WordEnd, resume, Token.EndedLine);
    }
    if (w == "trowd") {
      FLookAhead = false;
      if (FFormat.table == tsRowEnd) {
        EmitHtml(CloseAllTags(FStack) + "<TR><TD>");
        FFormat.table = tsFirstCell;
      }
      return resume;
    }
    if (w == "row") {
      Write(CloseAllTags(FStack));
      FLookAhead = false;
      EmitHtml("</TR>");
      FFormat.table = tsRowEnd;
      return resume;
    }
    if (w == "cell") {
      FLookAhead = false;
      // A cell ends a paragraph, not the formatting: what is open goes on in the next cell, closed at this
      // cell's end and reopened at the next one's start, so that every cell holds whole tags.
      TTagStack carried = TagsCarriedOn(FStack);
      if (FFormat.table == tsCell) EmitHtml("<TD>" + FCellText + CloseAllTags(FStack) + "</TD>");
      if (FFormat.table == tsRowEnd) EmitHtml("<TR><TD>" + FCellText + CloseAllTags(FStack) + "</TD>");
      if (FFormat.table == tsFirstCell) EmitHtml(CloseAllTags(FStack) + "</TD>");
      FFormat.table = tsCell;
      FCellText.clear();
      for (size_t k = 0; k < carried.Size(); ++k) FCellText += carried[k].opentag;
      FStack = std::move(carried);
      return resume;
    }
    Write(TranslateControlWord(w, FStack, FFormat, FLevel));
    return resume;
  }

  // Whether the first "\intbl" of the working line begins at Resume. Only asked after a row end: elsewhere a
  // paragraph start by \widctlpar has no effect either way.
  bool IntblFollows(size_t Resume) {
    return FFormat.table == tsRowEnd && FLine.Find(TNeedle::Intbl, 0) == Resume;
  }

  // \pard (Pard) or \widctlpar without \intbl after it. I is the word's backslash, End the position after the word.
  size_t ParagraphStart(bool Pard, size_t I, size_t End, size_t Resume, bool EndedLine) {
    size_t next = Resume;
    if (FFormat.table == tsRowEnd) {
      if (FLookAhead) {
        // A second paragraph start after the row end: the table is over. The group reader reads the text from
        // the look-ahead's first word again, with hidden text as it was when the look-ahead began.
        CloseAllTags(FStack);
        FFormat.table = tsNone;
        FCtx.HiddenText = FHiddenAtLookAhead;
        EmitHtml("</TABLE><P>");
        return 0;
      }
      if (EndedLine) {
        next = 0;  // the word ended the previous line: the whole new line is the look-ahead text
      } else {
        FLine.Cut(I);
        next = End - I;  // right after the word, so that a blank delimiter is read as text
      }
      FLookAhead = true;
      FHiddenAtLookAhead = FCtx.HiddenText;
    }
    if (Pard) Write(TranslateControlWord("pard", FStack, FFormat, FLevel));
    return next;
  }

  TLineSource& FSource;
  TWorkingLine& FLine;
  TRtfScanner FScanner;
  TConversionContext& FCtx;
  format FFormat;
  TTagStack FStack;
  int32_t FLevel = 0;
  std::string FCellText;
  bool FLookAhead = false;
  bool FHiddenAtLookAhead = false;
};

}  // namespace

void ReadTable(TLineSource& Source, TWorkingLine& Line) { TTableReader(Source, Line).Run(); }

}  // namespace pmrconv
