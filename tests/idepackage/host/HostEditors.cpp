#include "HostEditors.h"

#include <algorithm>
#include <cstring>

namespace testhost {

TSourceBuffer::TSourceBuffer(std::string text) : FText(std::move(text)), FLineStarts{0} {
  for (size_t i = 0; i < FText.size(); ++i) {
    if (FText[i] != '\r') continue;
    FLineEnds.push_back(static_cast<int32_t>(i));
    if (i + 1 < FText.size() && FText[i + 1] == '\n') ++i;  // the pair is one break
    FLineStarts.push_back(static_cast<int32_t>(i + 1));
  }
  FLineEnds.push_back(static_cast<int32_t>(FText.size()));
}

int32_t TSourceBuffer::LineLength(int32_t line) const {
  return FLineEnds[static_cast<size_t>(line - 1)] - FLineStarts[static_cast<size_t>(line - 1)];
}

int32_t TSourceBuffer::OffsetOf(TOTACharPos charPos) const {
  // Copied out first: std::clamp takes references, which packed fields cannot give.
  const int32_t askedLine = charPos.Line;
  const int32_t askedIndex = charPos.CharIndex;
  const int32_t line = std::clamp<int32_t>(askedLine, 1, LineCount());
  const int32_t index = std::clamp<int32_t>(askedIndex, 0, LineLength(line));
  return FLineStarts[static_cast<size_t>(line - 1)] + index;
}

TOTAEditPos TSourceBuffer::EditPosOf(int32_t pos) const {
  const int32_t offset = std::clamp<int32_t>(pos - 1, 0, static_cast<int32_t>(FText.size()));
  const auto next = std::upper_bound(FLineStarts.begin(), FLineStarts.end(), offset);
  const int32_t line = static_cast<int32_t>(next - FLineStarts.begin());
  return TOTAEditPos{static_cast<int16_t>(offset - FLineStarts[static_cast<size_t>(line - 1)] + 1), line};
}

THostReader::THostReader(std::shared_ptr<const TSourceBuffer> buffer, std::vector<TRead>& log,
                         std::function<int32_t(int32_t)> reportedCount)
    : FBuffer(std::move(buffer)), FLog(log), FReportedCount(std::move(reportedCount)) {}

int32_t THostReader::GetText(int32_t Position, char* Buffer, int32_t Count) {
  Enter("GetText");
  const auto size = static_cast<int32_t>(FBuffer->Text().size());
  const int32_t copied = std::clamp(std::min(Count, size - Position), 0, Count);
  if (copied > 0) std::memcpy(Buffer, FBuffer->Text().data() + Position, static_cast<size_t>(copied));
  FLog.push_back(TRead{Position, Count, copied});
  return FReportedCount ? FReportedCount(copied) : copied;
}

TOTAEditPos THostView::GetCursorPos() {
  Enter("GetCursorPos");
  return FCaret;
}

void THostView::SetCursorPos(const TOTAEditPos& Value) {
  Enter("SetCursorPos");
  FCaret = Value;
}

TOTAEditPos THostView::GetTopPos() {
  Enter("GetTopPos");
  return FTop;
}

void THostView::SetTopPos(const TOTAEditPos& Value) {
  Enter("SetTopPos");
  FTop = Value;
}

void THostView::ConvertPos(bool EdPosToCharPos, TOTAEditPos& EditPos, TOTACharPos& CharPos) {
  Enter("ConvertPos");
  if (EdPosToCharPos) {
    CharPos = TOTACharPos{static_cast<int16_t>(std::max(EditPos.Col - 1, 0)), EditPos.Line};
  } else {
    EditPos = TOTAEditPos{static_cast<int16_t>(CharPos.CharIndex + 1), CharPos.Line};
  }
}

int32_t THostView::CharPosToPos(TOTACharPos CharPos) {
  Enter("CharPosToPos");
  return FBuffer->OffsetOf(CharPos);
}

void THostView::Paint() {
  Enter("Paint");
  ++FPaints;
}

void THostView::PlaceCaret(int32_t pos, int32_t topLine) {
  FCaret = FBuffer->EditPosOf(pos);
  FTop = TOTAEditPos{1, topLine};
}

int32_t THostView::CaretTextPos() const {
  return FBuffer->OffsetOf(TOTACharPos{static_cast<int16_t>(FCaret.Col - 1), FCaret.Line}) + 1;
}

TIntfRef<Toolsapi::IOTAEditReader> THostSourceEditor::CreateReader() {
  Enter("CreateReader");
  return TIntfRef<Toolsapi::IOTAEditReader>(new THostReader(FBuffer, FReads, ReportedCount));
}

int32_t THostSourceEditor::GetEditViewCount() {
  Enter("GetEditViewCount");
  return static_cast<int32_t>(FViews.size());
}

TIntfRef<Toolsapi::IOTAEditView> THostSourceEditor::GetEditView(int32_t Index) {
  Enter("GetEditView");
  if (Index < 0 || Index >= static_cast<int32_t>(FViews.size())) return nullptr;
  return FViews[static_cast<size_t>(Index)];
}

THostView* THostSourceEditor::AddView() {
  FViews.emplace_back(new THostView(FBuffer));
  return FViews.back().Get();
}

int32_t THostModule::GetModuleFileCount() {
  Enter("GetModuleFileCount");
  return static_cast<int32_t>(FEditors.size());
}

TIntfRef<Toolsapi::IOTAEditor> THostModule::GetModuleFileEditor(int32_t Index) {
  Enter("GetModuleFileEditor");
  if (Index < 0 || Index >= static_cast<int32_t>(FEditors.size())) return nullptr;
  return FEditors[static_cast<size_t>(Index)];
}

void THostModule::AddFormEditor() { FEditors.emplace_back(new THostFormEditor); }

THostSourceEditor* THostModule::AddSourceEditor(std::string text, int views) {
  TIntfRef<THostSourceEditor> editor(new THostSourceEditor(std::move(text)));
  for (int i = 0; i < views; ++i) editor->AddView();
  THostSourceEditor* observer = editor.Get();
  FEditors.emplace_back(std::move(editor));
  return observer;
}

}  // namespace testhost
