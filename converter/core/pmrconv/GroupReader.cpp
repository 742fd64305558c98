#include "pmrconv/GroupReader.h"

#include <cstdint>
#include <string>
#include <vector>

#include "pmrconv/CharacterCodes.h"
#include "pmrconv/ControlWords.h"
#include "pmrconv/Destinations.h"
#include "pmrconv/FontColourTables.h"
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
  TGroupReader(TConversionContext& Context, TRtfScanner& Scanner)
      : FCtx(Context), FOut(Context.Output), FScanner(Scanner), FText(Context.Unicode) {}

  void Run() {
    FFrames.PushFresh();
    FCtx.HiddenText = false;
    for (;;) {
      const TToken token = FScanner.Next();
      switch (token.Kind) {
        case TTokenKind::OpenBrace:
          FScanner.TakeRestOfLine();
          FFrames.PushFresh();
          FCtx.HiddenText = false;
          if (FText != nullptr) EmitUnicode([&](std::string& Out) { FText->OpenGroup(Out); });
          break;
        case TTokenKind::CloseBrace:
          FScanner.TakeRestOfLine();
          FCtx.HiddenText = false;
          if (FText != nullptr) EmitUnicode([&](std::string& Out) { FText->CloseGroup(Out); });
          // Emitting nothing cannot complete a chunk: the buffer was checked when it last grew.
          if (!FFrames.Top().Stack.Empty()) FOut.EmitHtml(CloseAllTags(FFrames.Top().Stack));
          FFrames.Pop();
          if (FFrames.Empty()) return;  // an extra "}" at top level ends the document
          break;
        case TTokenKind::Symbol:
          if (FText != nullptr) {
            EmitUnicode([&](std::string& Out) { FText->Symbol(Out, token.Text); });
          } else {
            FOut.EmitHtml(token.Text);
          }
          break;
        case TTokenKind::HexCode:
          if (FText != nullptr) {
            EmitUnicode([&](std::string& Out) { FText->EscapedByte(Out, static_cast<unsigned char>(HexToByte(token.Text))); });
          } else {
            FOut.EmitHtml(CharacterCode(token.Text));
          }
          break;
        case TTokenKind::Star: Star(token.Text); break;
        case TTokenKind::ControlWord: ControlWord(token.Text); break;
        case TTokenKind::Text:
          if (FText != nullptr) {
            EmitUnicode([&](std::string& Out) { FText->Text(Out, token.Text, FCtx.HiddenText); });
          } else if (!FCtx.HiddenText) {
            FOut.EmitEscapedText(token.Text);
          }
          break;
        case TTokenKind::Dropped: break;
        case TTokenKind::End: return;
      }
    }
  }

private:
  // A \* destination, followed by Next: a bookmark may write a paragraph first; the group is skipped.
  void Star(std::string_view Next) {
    if (Next == "bkmk" && !FCtx.BookmarkParagraph) {
      FOut.EmitHtml("<P>");
      FCtx.BookmarkParagraph = true;
    }
    FScanner.SkipGroup();
  }

  // Runs Write on the UTF-8 page's text, which appends to the line buffer, and emits what it wrote.
  template <typename TWrite>
  void EmitUnicode(TWrite&& Write) {
    FOut.EmitAppended(Write);
  }

  void ControlWord(std::string_view W) {
    if (FText != nullptr) {
      bool taken = false;
      EmitUnicode([&](std::string& Out) { taken = FText->ControlWord(Out, W, FCtx.HiddenText); });
      if (taken) return;
    }
    // The table readers leave the scan at the table's closing brace, or at the end of the input.
    if (W == "fonttbl") {
      ReadFontTable(FCtx, FScanner);
    } else if (W == "colortbl") {
      ReadColourTable(FCtx, FScanner);
    } else if (W == "trowd") {
      FScanner.TakeRestOfLine();
      TableWithFormatAround();
    } else if (IsSkippedDestination(W)) {
      const std::string_view html = SkipDestination(FScanner, W);
      if (!html.empty()) FOut.EmitHtml(html);
    } else {
      TGroupFrame& frame = FFrames.TopForChange();
      const std::string html = TranslateControlWord(FCtx, W, frame.Stack, frame.F, 0);
      if (!html.empty()) FOut.EmitHtml(html);
    }
  }

  // A table starts from a fresh format of its own, and its cells reset what they need: the group's tags close in
  // front of it, so that they do not run on through its cells, and open again after it, where they are still in
  // force for the group.
  void TableWithFormatAround() {
    if (FFrames.Top().Stack.Empty()) {
      ReadTable(FCtx, FScanner);
      return;
    }
    TTagStack& stack = FFrames.TopForChange().Stack;
    TTagStack around = stack;
    FOut.EmitHtml(CloseAllTags(stack));
    ReadTable(FCtx, FScanner);
    std::string reopened;
    for (size_t k = 0; k < around.Size(); ++k) reopened += around[k].opentag;
    stack = std::move(around);
    FOut.EmitHtml(reopened);
  }

  TConversionContext& FCtx;
  THtmlOutput& FOut;
  TRtfScanner& FScanner;
  TUnicodeText* FText;  // the UTF-8 page's text; nullptr for the 8-bit page
  TGroupFrames FFrames;
};

}  // namespace

void ReadGroup(TConversionContext& Context, TRtfScanner& Scanner) { TGroupReader(Context, Scanner).Run(); }

}  // namespace pmrconv
