#pragma once
// The host's modules and editors: form and source editors, a reader that delivers the chunks asked
// for and logs each read, and views with caret and top position over the editor's text.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "HostObject.h"
#include <korvex50/Toolsapi.h>

namespace testhost {

using Toolsapi::TOTACharPos;
using Toolsapi::TOTAEditPos;
using vcl::TIntfRef;

// An editor's text with its lines, broken where the package counts breaks: at a CR, or a CR LF
// pair; a lone LF is an ordinary character. Columns are character index + 1 (no tabs).
class TSourceBuffer {
 public:
  explicit TSourceBuffer(std::string text);
  const std::string& Text() const { return FText; }
  int32_t LineCount() const { return static_cast<int32_t>(FLineStarts.size()); }
  // 0-based offset of the character at CharPos, with the line clamped to the text and the index to its line.
  int32_t OffsetOf(TOTACharPos charPos) const;
  // The edit position of the character at 1-based text position pos.
  TOTAEditPos EditPosOf(int32_t pos) const;

 private:
  int32_t LineLength(int32_t line) const;
  std::string FText;
  std::vector<int32_t> FLineStarts;
  std::vector<int32_t> FLineEnds;  // offset of each line's break, or of the text's end
};

struct TRead {
  int32_t Position;
  int32_t Count;
  int32_t Copied;
};

class THostReader final : public THostObject<Toolsapi::IOTAEditReader> {
 public:
  THostReader(std::shared_ptr<const TSourceBuffer> buffer, std::vector<TRead>& log,
              std::function<int32_t(int32_t)> reportedCount);
  int32_t GetText(int32_t Position, char* Buffer, int32_t Count) override;

 private:
  std::shared_ptr<const TSourceBuffer> FBuffer;
  std::vector<TRead>& FLog;
  std::function<int32_t(int32_t)> FReportedCount;
};

class THostView final : public THostObject<Toolsapi::IOTAEditView> {
 public:
  explicit THostView(std::shared_ptr<const TSourceBuffer> buffer) : FBuffer(std::move(buffer)) {}
  TOTAEditPos GetCursorPos() override;
  void SetCursorPos(const TOTAEditPos& Value) override;
  TOTAEditPos GetTopPos() override;
  void SetTopPos(const TOTAEditPos& Value) override;
  void ConvertPos(bool EdPosToCharPos, TOTAEditPos& EditPos, TOTACharPos& CharPos) override;
  int32_t CharPosToPos(TOTACharPos CharPos) override;
  void Paint() override;

  // Test side: caret at the character at 1-based text position pos, top line as given.
  void PlaceCaret(int32_t pos, int32_t topLine = 1);
  int32_t CaretTextPos() const;  // 1-based text position of the caret
  // Line and column, unpacked, so tests can bind references to them.
  struct TLineCol {
    int32_t Line;
    int32_t Col;
  };
  TLineCol Caret() const { return {FCaret.Line, FCaret.Col}; }
  TLineCol Top() const { return {FTop.Line, FTop.Col}; }
  int Paints() const { return FPaints; }

 private:
  std::shared_ptr<const TSourceBuffer> FBuffer;
  TOTAEditPos FCaret{1, 1};
  TOTAEditPos FTop{1, 1};
  int FPaints = 0;
};

class THostSourceEditor final : public THostObject<Toolsapi::IOTASourceEditor> {
 public:
  explicit THostSourceEditor(std::string text) : FBuffer(std::make_shared<TSourceBuffer>(std::move(text))) {}
  TIntfRef<Toolsapi::IOTAEditReader> CreateReader() override;
  int32_t GetEditViewCount() override;
  TIntfRef<Toolsapi::IOTAEditView> GetEditView(int32_t Index) override;

  THostView* AddView();  // kept by the editor
  THostView* View(int index) const { return FViews.at(static_cast<size_t>(index)).Get(); }
  const std::string& Text() const { return FBuffer->Text(); }
  const std::vector<TRead>& Reads() const { return FReads; }
  // Turns the count of characters copied into the count the reader reports (a faulty host).
  std::function<int32_t(int32_t)> ReportedCount;

 private:
  std::shared_ptr<const TSourceBuffer> FBuffer;
  std::vector<TIntfRef<THostView>> FViews;
  std::vector<TRead> FReads;
};

class THostFormEditor final : public THostObject<Toolsapi::IOTAEditor> {};

class THostModule final : public THostObject<Toolsapi::IOTAModule> {
 public:
  int32_t GetModuleFileCount() override;
  TIntfRef<Toolsapi::IOTAEditor> GetModuleFileEditor(int32_t Index) override;

  void AddFormEditor();
  // Kept by the module, with the given number of views.
  THostSourceEditor* AddSourceEditor(std::string text, int views);

 private:
  std::vector<TIntfRef<Toolsapi::IOTAEditor>> FEditors;
};

}  // namespace testhost
