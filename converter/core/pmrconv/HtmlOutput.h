#pragma once
// The output side: HTML escaping, the line buffer with its clean-up of empty tag pairs, and the sink the page
// lines go to. Nothing here looks at RTF.

#include <string>
#include <string_view>

namespace pmrconv {

// Receives the bytes of the page. Implementations raise EInOutError when they cannot write.
class TPageSink {
public:
  virtual ~TPageSink() = default;
  virtual void Write(std::string_view Bytes) = 0;
  // Hands everything written so far on to the destination.
  virtual void Flush() = 0;
};

// Collects the page in a string owned by the caller.
class TStringSink final : public TPageSink {
public:
  explicit TStringSink(std::string& Page) : FPage(Page) {}
  void Write(std::string_view Bytes) override { FPage.append(Bytes); }
  void Flush() override {}

private:
  std::string& FPage;
};

// Writes Text and the line end CR LF.
void WriteLine(TPageSink& Sink, std::string_view Text);

// Appends Text with "<", ">" and "&" written as entities; every other byte unchanged.
void AppendEscapedText(std::string& Out, std::string_view Text);
// The same for an attribute value in double quotes, where the quote is written "&quot;" as well.
void AppendEscapedAttribute(std::string& Out, std::string_view Text);

// The HTML of one conversion on its way to the page: what is not yet written, and where its lines go.
struct THtmlOutput {
  std::string LineBuffer;     // HTML not yet written
  TPageSink* Sink = nullptr;  // where the lines go; nothing is written without one
  // A line end between two tags shows in a browser as a space, and a line often ends inside a word whose pieces
  // carry different formatting. When set, a line end goes inside the tag that ends the line ("</FONT" CR LF
  // ">"), where a browser ignores it, and a line that the clean-up leaves ending in text gets none.
  bool LineEndsInsideTags = false;

  // Appends HTML to the line buffer; once more than 200 characters have gathered and the last one closes a tag,
  // they are written, cleaned by CleanEmptyTags, as one line to the sink.
  void EmitHtml(std::string_view Text) {
    LineBuffer.append(Text);
    WriteChunkIfComplete();
  }
  // EmitHtml of Text written as by AppendEscapedText.
  void EmitEscapedText(std::string_view Text) {
    AppendEscapedText(LineBuffer, Text);
    WriteChunkIfComplete();
  }
  // EmitHtml of what Append(std::string&) appends to the line buffer in place: spares a copy of every piece.
  template <typename TAppend>
  void EmitAppended(TAppend&& Append) {
    Append(LineBuffer);
    WriteChunkIfComplete();
  }

private:
  static constexpr size_t kChunkLength = 200;

  // Inline: the test comes with every piece of output, the writing only every few hundred characters.
  void WriteChunkIfComplete() {
    if (LineBuffer.size() > kChunkLength && LineBuffer.back() == '>') WriteChunk();
  }
  void WriteChunk();
  void WriteCleanLine(std::string_view Line);
};

// Removes formatting tag pairs that enclose nothing, pass after pass until nothing changes.
std::string CleanEmptyTags(std::string_view Text);

namespace detail {
// True when one pass of CleanEmptyTags would leave S as it is, so that S is already clean.
bool CleanPassChangesNothing(std::string_view S);
}  // namespace detail

}  // namespace pmrconv
