#include "EditorModule.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "CrLfText.h"

namespace geanyhost {
namespace {

using Toolsapi::TOTACharPos;
using Toolsapi::TOTAEditPos;
using vcl::TIntfRef;

// The record's 16-bit columns cannot go further; a longer line saturates instead of wrapping.
int16_t Column16(int32_t column) {
  return static_cast<int16_t>(std::clamp<int32_t>(column, 0, std::numeric_limits<int16_t>::max()));
}

// The widget and its CR LF text, read once per module: the document does not change while the
// package works on one key press.
class TEditorState {
 public:
  explicit TEditorState(std::shared_ptr<TEditorWidget> widget) : FWidget(std::move(widget)) {}
  TEditorWidget& Widget() const { return *FWidget; }
  const TCrLfText& Text() {
    if (!FText) FText.emplace(*FWidget);
    return *FText;
  }

 private:
  std::shared_ptr<TEditorWidget> FWidget;
  std::optional<TCrLfText> FText;
};

class TReader final : public vcl::TInterfacedObject<Toolsapi::IOTAEditReader> {
 public:
  explicit TReader(std::shared_ptr<TEditorState> state) : FState(std::move(state)) {}
  int32_t GetText(int32_t Position, char* Buffer, int32_t Count) override {
    if (Buffer == nullptr) return 0;
    return FState->Text().Read(Position, Buffer, Count);
  }

 private:
  std::shared_ptr<TEditorState> FState;
};

class TView final : public vcl::TInterfacedObject<Toolsapi::IOTAEditView> {
 public:
  explicit TView(std::shared_ptr<TEditorState> state) : FState(std::move(state)) {}

  TOTAEditPos GetCursorPos() override { return EditPosAt(Widget().Caret()); }
  void SetCursorPos(const TOTAEditPos& Value) override { Widget().SetCaret(PositionAt(Value)); }
  TOTAEditPos GetTopPos() override {
    return {Column16(Widget().FirstVisibleColumn() + 1), Widget().FirstVisibleLine() + 1};
  }
  void SetTopPos(const TOTAEditPos& Value) override {
    const int32_t line = Value.Line;
    const int32_t column = Value.Col;
    Widget().ScrollTo(std::max(line - 1, 0), std::max(column - 1, 0));
  }
  void ConvertPos(bool EdPosToCharPos, TOTAEditPos& EditPos, TOTACharPos& CharPos) override {
    const TCrLfText& text = FState->Text();
    if (EdPosToCharPos) {
      const TCrLfText::TLineIndex at = text.LineIndexOf(PositionAt(EditPos));
      CharPos = {Column16(at.CharIndex), at.Line};
    } else {
      EditPos = EditPosAt(text.DocumentPosition(CharPos.Line, CharPos.CharIndex));
    }
  }
  int32_t CharPosToPos(TOTACharPos CharPos) override { return FState->Text().OffsetOf(CharPos.Line, CharPos.CharIndex); }
  void Paint() override { Widget().Redraw(); }

 private:
  TEditorWidget& Widget() const { return FState->Widget(); }
  TOTAEditPos EditPosAt(int32_t position) {
    const TCrLfText::TLineIndex at = FState->Text().LineIndexOf(position);
    return {Column16(Widget().ColumnOf(position) + 1), at.Line};
  }
  // The document position of an edit position, with its line kept within the document.
  int32_t PositionAt(const TOTAEditPos& edit) {
    // Copied out first: std::clamp takes references, which packed fields cannot give.
    const int32_t askedLine = edit.Line;
    const int32_t line = std::clamp<int32_t>(askedLine, 1, Widget().LineCount());
    const int32_t column = edit.Col;
    return Widget().PositionOfColumn(line - 1, std::max(column - 1, 0));
  }

  std::shared_ptr<TEditorState> FState;
};

class TSourceEditor final : public vcl::TInterfacedObject<Toolsapi::IOTASourceEditor> {
 public:
  explicit TSourceEditor(std::shared_ptr<TEditorState> state)
      : FState(std::move(state)), FView(new TView(FState)) {}
  TIntfRef<Toolsapi::IOTAEditReader> CreateReader() override {
    return TIntfRef<Toolsapi::IOTAEditReader>(new TReader(FState));
  }
  int32_t GetEditViewCount() override { return 1; }
  TIntfRef<Toolsapi::IOTAEditView> GetEditView(int32_t Index) override { return Index == 0 ? FView : nullptr; }

 private:
  std::shared_ptr<TEditorState> FState;
  TIntfRef<Toolsapi::IOTAEditView> FView;
};

class TModule final : public vcl::TInterfacedObject<Toolsapi::IOTAModule> {
 public:
  explicit TModule(std::shared_ptr<TEditorState> state) : FEditor(new TSourceEditor(std::move(state))) {}
  int32_t GetModuleFileCount() override { return 1; }
  TIntfRef<Toolsapi::IOTAEditor> GetModuleFileEditor(int32_t Index) override {
    return Index == 0 ? FEditor : nullptr;
  }

 private:
  TIntfRef<Toolsapi::IOTAEditor> FEditor;
};

}  // namespace

TIntfRef<Toolsapi::IOTAModule> MakeEditorModule(std::shared_ptr<TEditorWidget> widget) {
  return TIntfRef<Toolsapi::IOTAModule>(new TModule(std::make_shared<TEditorState>(std::move(widget))));
}

}  // namespace geanyhost
