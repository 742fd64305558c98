#include "pmrconv/TableReader.h"

#include <cstdint>
#include <string>

#include "pmrconv/CharacterCodes.h"
#include "pmrconv/ControlWords.h"
#include "pmrconv/Destinations.h"
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
  TTableReader(TConversionContext& Context, TRtfScanner& Scanner)
      : FCtx(Context), FOut(Context.Output), FScanner(Scanner), FText(Context.Unicode) {}

  void Run() {
    ResetFormat(FFormat, TResetScope::All);
    FCtx.HiddenText = false;
    FOut.EmitHtml("<BR><TABLE BORDER=2><TR><TD>");
    FFormat.table = tsFirstCell;
    while (FFormat.table != tsNone) {
      const TToken token = FScanner.Next();
      switch (token.Kind) {
        case TTokenKind::OpenBrace:
          if (FText != nullptr) WriteUnicode([&](std::string& Out) { FText->OpenGroup(Out); });
          ++FLevel;
          break;
        case TTokenKind::CloseBrace:
          if (FText != nullptr) WriteUnicode([&](std::string& Out) { FText->CloseGroup(Out); });
          Write(CloseTagsFromLevel(FStack, FLevel));
          --FLevel;
          break;
        case TTokenKind::Symbol:
          if (FText != nullptr) {
            WriteUnicode([&](std::string& Out) { FText->Symbol(Out, token.Text); });
          } else {
            Write(token.Text);
          }
          break;
        case TTokenKind::HexCode:
          if (FText != nullptr) {
            WriteUnicode([&](std::string& Out) { FText->EscapedByte(Out, static_cast<unsigned char>(HexToByte(token.Text))); });
          } else {
            Write(CharacterCode(token.Text));
          }
          break;
        case TTokenKind::Star: FScanner.SkipGroup(); break;
        case TTokenKind::ControlWord: ControlWord(token); break;
        case TTokenKind::Text:
          if (FText != nullptr) {
            WriteUnicode([&](std::string& Out) { FText->Text(Out, token.Text, FCtx.HiddenText); });
          } else if (!FCtx.HiddenText) {
            WriteText(token.Text);
          }
          break;
        case TTokenKind::Dropped: break;
        case TTokenKind::End:
          // The input ended inside the table: no "</TABLE>". Text read ahead has only gone into the dropped cell
          // text, so the group reader reads it from the look-ahead's first word; nothing else is read again.
          if (FScanner.Marked()) RewindLookAhead();
          return;
      }
    }
  }

private:
  bool CollectsCellText() const { return FFormat.table == tsCell || FFormat.table == tsRowEnd; }

  void Write(std::string_view Html) {
    if (CollectsCellText()) {
      FCellText.append(Html);
    } else {
      FOut.EmitHtml(Html);
    }
  }

  // Runs WriteTo on the UTF-8 page's text with an output of its own, and writes what it wrote.
  template <typename TWrite>
  void WriteUnicode(TWrite&& WriteTo) {
    FUnicodeOut.clear();
    WriteTo(FUnicodeOut);
    if (!FUnicodeOut.empty()) Write(FUnicodeOut);
  }

  // Back to where the look-ahead began: the scan, hidden text and the UTF-8 page's text as they were then.
  void RewindLookAhead() {
    FCtx.HiddenText = FHiddenAtLookAhead;
    if (FText != nullptr) FText->Rewind(FTextAtLookAhead);
    FScanner.Rewind();
  }

  // Write of Text escaped, without a copy of its own.
  void WriteText(std::string_view Text) {
    if (CollectsCellText()) {
      AppendEscapedText(FCellText, Text);
    } else {
      FOut.EmitEscapedText(Text);
    }
  }

  void ControlWord(const TToken& Token) {
    const std::string_view w = Token.Text;  // lives in the working line: compared before the line changes
    if (FText != nullptr) {
      bool taken = false;
      WriteUnicode([&](std::string& Out) { taken = FText->ControlWord(Out, w, FCtx.HiddenText); });
      if (taken) return;
    }
    if (IsSkippedDestinationInTable(w)) {
      const std::string_view html = SkipDestination(FScanner, w);
      if (!html.empty()) Write(html);
    } else if (w == "par" || w == "sect") {
      if (FFormat.table == tsCell) FCellText += "<BR>";
      if (FFormat.table == tsFirstCell) FOut.EmitHtml("<BR>");
    } else if (w == "intbl") {
      FScanner.Unmark();
    } else if (w == "pard" || (w == "widctlpar" && !IntblFollows())) {
      ParagraphStart(w == "pard");
    } else if (w == "trowd") {
      FScanner.Unmark();
      if (FFormat.table == tsRowEnd) {
        FOut.EmitHtml(CloseAllTags(FStack) + "<TR><TD>");
        FFormat.table = tsFirstCell;
      }
    } else if (w == "row") {
      Write(CloseAllTags(FStack));
      FScanner.Unmark();
      FOut.EmitHtml("</TR>");
      FFormat.table = tsRowEnd;
    } else if (w == "cell") {
      FScanner.Unmark();
      // A cell ends a paragraph, not the formatting: what is open goes on in the next cell, closed at this
      // cell's end and reopened at the next one's start, so that every cell holds whole tags.
      TTagStack carried = TagsCarriedOn(FStack);
      if (FFormat.table == tsCell) FOut.EmitHtml("<TD>" + FCellText + CloseAllTags(FStack) + "</TD>");
      if (FFormat.table == tsRowEnd) FOut.EmitHtml("<TR><TD>" + FCellText + CloseAllTags(FStack) + "</TD>");
      if (FFormat.table == tsFirstCell) FOut.EmitHtml(CloseAllTags(FStack) + "</TD>");
      FFormat.table = tsCell;
      FCellText.clear();
      for (size_t k = 0; k < carried.Size(); ++k) FCellText += carried[k].opentag;
      FStack = std::move(carried);
    } else {
      Write(TranslateControlWord(FCtx, w, FStack, FFormat, FLevel));
    }
  }

  // Whether the first "\intbl" of the working line begins where the scan goes on. Only asked after a row end:
  // elsewhere a paragraph start by \widctlpar has no effect either way.
  bool IntblFollows() { return FFormat.table == tsRowEnd && FScanner.FirstInLineIsHere(TNeedle::Intbl); }

  // \pard (Pard) or \widctlpar without \intbl after it.
  void ParagraphStart(bool Pard) {
    if (FFormat.table == tsRowEnd) {
      if (FScanner.Marked()) {
        // A second paragraph start after the row end: the table is over. The group reader reads the text from
        // the look-ahead's first word again, with hidden text as it was when the look-ahead began.
        CloseAllTags(FStack);
        FFormat.table = tsNone;
        FOut.EmitHtml("</TABLE><P>");
        RewindLookAhead();
        return;
      }
      FScanner.Mark();
      FHiddenAtLookAhead = FCtx.HiddenText;
      if (FText != nullptr) FTextAtLookAhead = FText->Mark();
    }
    if (Pard) Write(TranslateControlWord(FCtx, "pard", FStack, FFormat, FLevel));
  }

  TConversionContext& FCtx;
  THtmlOutput& FOut;
  TRtfScanner& FScanner;
  format FFormat;
  TTagStack FStack;
  int32_t FLevel = 0;
  std::string FCellText;
  bool FHiddenAtLookAhead = false;
  TUnicodeText* FText;  // the UTF-8 page's text; nullptr for the 8-bit page
  TUnicodeText::TMark FTextAtLookAhead;
  std::string FUnicodeOut;
};

}  // namespace

void ReadTable(TConversionContext& Context, TRtfScanner& Scanner) { TTableReader(Context, Scanner).Run(); }

}  // namespace pmrconv
