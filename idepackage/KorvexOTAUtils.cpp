#include "KorvexOTAUtils.h"

#include <algorithm>
#include <limits>

#include "KorvexUtils.h"

namespace KorvexOTAUtils {
namespace {

using Toolsapi::IOTAEditView;
using Toolsapi::IOTASourceEditor;
using vcl::TIntfRef;

// Reads straight into the text's own storage, grown before each chunk, for as long as a chunk comes
// back full. A count outside 0..kReadChunk ends the reading and keeps at most the chunk asked for.
std::string ReadWholeText(IOTASourceEditor& editor) {
  std::string text;
  const TIntfRef<Toolsapi::IOTAEditReader> reader = editor.CreateReader();
  if (!reader) return text;
  int32_t total = 0;
  int32_t reported = 0;
  do {
    text.resize(static_cast<size_t>(total) + kReadChunk);
    reported = reader->GetText(total, text.data() + total, kReadChunk);
    total += std::clamp(reported, 0, kReadChunk);
  } while (reported == kReadChunk && total <= std::numeric_limits<int32_t>::max() - kReadChunk);
  text.resize(static_cast<size_t>(total));
  return text;
}

}  // namespace

bool OTUGetCurrentSourceEditor(TIntfRef<IOTASourceEditor>& SourceEditor) {
  SourceEditor.Reset();
  const auto moduleServices = vcl::As<Toolsapi::IOTAModuleServices>(Toolsapi::BorlandIDEServices);
  const TIntfRef<Toolsapi::IOTAModule> module = moduleServices->CurrentModule();
  if (!module) return false;
  const int32_t count = module->GetModuleFileCount();
  for (int32_t index = 0; index < count; ++index) {
    const TIntfRef<Toolsapi::IOTAEditor> editor = module->GetModuleFileEditor(index);
    SourceEditor = vcl::Supports<IOTASourceEditor>(editor);
    if (SourceEditor) return true;
  }
  return false;
}

bool OTUGetCurrentEditView(TIntfRef<IOTAEditView>& EditView) {
  EditView.Reset();
  TIntfRef<IOTASourceEditor> editor;
  if (!OTUGetCurrentSourceEditor(editor)) return false;
  if (editor->GetEditViewCount() <= 0) return false;
  EditView = editor->GetEditView(0);
  return static_cast<bool>(EditView);
}

std::string OTUGetCurrentSource(int32_t& Pos, int32_t& Line, int32_t& CharIndex) {
  Pos = 0;
  TIntfRef<IOTASourceEditor> editor;
  if (!OTUGetCurrentSourceEditor(editor)) return {};
  std::string text = ReadWholeText(*editor);
  if (editor->GetEditViewCount() > 0) {
    if (const TIntfRef<IOTAEditView> view = editor->GetEditView(0)) {
      Toolsapi::TOTAEditPos caret = view->GetCursorPos();
      Toolsapi::TOTACharPos charPos{0, 0};
      view->ConvertPos(true, caret, charPos);
      Line = charPos.Line;
      CharIndex = charPos.CharIndex;
      Pos = static_cast<int32_t>(static_cast<int64_t>(view->CharPosToPos(charPos)) + 1);
    }
  }
  return text;
}

void OTUSetCurrentSourcePosition(std::string_view Text, int32_t Pos) {
  TIntfRef<IOTAEditView> view;
  if (!OTUGetCurrentEditView(view)) return;
  const Toolsapi::TOTAEditPos top = view->GetTopPos();
  const Toolsapi::TOTAEditPos caret = view->GetCursorPos();
  int32_t line = 0;
  int32_t col = 0;
  KorvexUtils::FindCharPos(Text, Pos, line, col);
  // The character index keeps the low 16 bits of the column, as the host's record holds no more.
  Toolsapi::TOTACharPos charPos{static_cast<int16_t>(col), line};
  Toolsapi::TOTAEditPos target{0, 0};
  view->ConvertPos(false, target, charPos);
  view->SetCursorPos(target);
  // Same screen row as before the jump, unless the text's start is nearer than that.
  const int64_t topLine = static_cast<int64_t>(target.Line) - (static_cast<int64_t>(caret.Line) - top.Line);
  const int32_t newTop = static_cast<int32_t>(std::clamp<int64_t>(topLine, 1, std::numeric_limits<int32_t>::max()));
  view->SetTopPos(Toolsapi::TOTAEditPos{1, newTop});
  view->Paint();
}

}  // namespace KorvexOTAUtils
