#include "pmrconv/TableReader.h"

#include <cstdint>
#include <string>

#include "pmrconv/Context.h"
#include "pmrconv/ControlWords.h"
#include "pmrconv/GroupReader.h"
#include "pmrconv/HtmlOutput.h"
#include "pmrconv/RtfSyntax.h"
#include "pmrconv/TagStack.h"

namespace pmrconv {

namespace {

class TTableReader {
public:
  TTableReader(TLineSource& Source, TWorkingLine& Line) : FSource(Source), FLine(Line), FCtx(Context()) {}

  void Run() {
    ResetFormat(FFormat, TResetScope::All);
    FCtx.HiddenText = false;
    EmitHtml("<BR><TABLE BORDER=2><TR><TD>");
    FFormat.table = tsFirstCell;
    size_t i = 0;
    while (FFormat.table != tsNone) {
      if (i >= FLine.Length()) {
        if (FSource.Eof()) {
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
        if (FLookAhead) {
          FLine.AppendNext(FSource);  // the look-ahead keeps all it has read; the scan goes on after the old end
        } else {
          FLine.ReadNext(FSource);
          i = 0;
        }
        continue;
      }
      switch (FLine[i]) {
        case '{':
          ++FLevel;
          ++i;
          break;
        case '}':
          Write(CloseTagsFromLevel(FStack, FLevel));
          --FLevel;
          ++i;
          break;
        case '\\':
          i = Backslash(i);
          break;
        default: {
          const size_t end = TextRunEnd(FLine, i);
          if (!FCtx.HiddenText) WriteText(FLine.Sub(i, end - i));
          i = end;
        }
      }
    }
  }

private:
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

  size_t Backslash(size_t I) {
    if (I + 1 >= FLine.Length()) return I + 1;
    const char d = FLine[I + 1];
    switch (d) {
      case '\\':
      case '{':
      case '}': {
        const std::string text(1, d);
        Write(text);
        return I + 2;
      }
      case '~': Write(" "); return I + 2;
      case '-':
      case '_': Write("-"); return I + 2;
      case '\'': Write(CharacterCode(FLine.Sub(I + 2, 2))); return I + 4;
      case '*': return SkipDestination(I + 1);
      default:
        if (d >= 'a' && d <= 'z') return ControlWord(I);
        return I + 2;
    }
  }

  size_t ControlWord(size_t I) {
    const size_t end = WordEnd(FLine, I + 1);
    const std::string word(FLine.Sub(I + 1, end - I - 1));
    const std::string_view w = word;  // compared as a view: the length decides most comparisons
    size_t resume;
    bool endedLine = false;
    if (end >= FLine.Length() && !FSource.Eof()) {
      if (FLookAhead) {
        FLine.AppendNext(FSource);
        resume = end;
      } else {
        FLine.ReadNext(FSource);
        resume = 0;
        endedLine = true;
      }
    } else if (end >= FLine.Length()) {
      resume = end;
    } else {
      resume = FLine[end] == ' ' ? end + 1 : end;
    }

    if (IsSkippedDestinationInTable(word)) {
      const size_t next = SkipDestination(resume);
      if (w == "pict") Write(kPicturePlaceholder);
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
      return ParagraphStart(word, I, end, resume, endedLine);
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
      CloseAllTags(FStack);
      FLookAhead = false;
      EmitHtml("</TR>");
      FFormat.table = tsRowEnd;
      return resume;
    }
    if (w == "cell") {
      FLookAhead = false;
      if (FFormat.table == tsCell) EmitHtml("<TD>" + FCellText + CloseAllTags(FStack) + "</TD>");
      if (FFormat.table == tsRowEnd) EmitHtml("<TR><TD>" + FCellText + CloseAllTags(FStack) + "</TD>");
      if (FFormat.table == tsFirstCell) EmitHtml(CloseAllTags(FStack) + "</TD>");
      FFormat.table = tsCell;
      FCellText.clear();
      return resume;
    }
    Write(TranslateControlWord(word, FStack, FFormat, FLevel));
    return resume;
  }

  // Whether the first "\intbl" of the working line begins at Resume. Only asked after a row end: elsewhere a
  // paragraph start by \widctlpar has no effect either way.
  bool IntblFollows(size_t Resume) {
    return FFormat.table == tsRowEnd && FLine.Find(TNeedle::Intbl, 0) == Resume;
  }

  // \pard, or \widctlpar without \intbl after it. I is the word's backslash, End the position after the word.
  size_t ParagraphStart(const std::string& Word, size_t I, size_t End, size_t Resume, bool EndedLine) {
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
    if (Word == "pard") Write(TranslateControlWord("pard", FStack, FFormat, FLevel));
    return next;
  }

  TLineSource& FSource;
  TWorkingLine& FLine;
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
