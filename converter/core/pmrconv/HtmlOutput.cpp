#include "pmrconv/HtmlOutput.h"

#include <array>
#include <vector>

#include "Zufuncs.h"
#include "pmrconv/Context.h"

namespace pmrconv {

namespace {

constexpr size_t kChunkLength = 200;

using TEntityTable = std::array<std::string_view, 256>;

constexpr TEntityTable MakeEntities(bool Attribute) {
  TEntityTable t{};
  t['<'] = "&lt;";
  t['>'] = "&gt;";
  t['&'] = "&amp;";
  if (Attribute) t['"'] = "&quot;";
  return t;
}

constexpr TEntityTable kTextEntities = MakeEntities(false);
constexpr TEntityTable kAttributeEntities = MakeEntities(true);

void AppendEscaped(std::string& Out, std::string_view Text, const TEntityTable& Entities) {
  size_t run = 0;
  for (size_t i = 0; i < Text.size(); ++i) {
    const std::string_view entity = Entities[static_cast<unsigned char>(Text[i])];
    if (entity.empty()) continue;
    Out.append(Text.substr(run, i - run));
    Out.append(entity);
    run = i + 1;
  }
  Out.append(Text.substr(run));
}

}  // namespace

void WriteLine(TPageSink& Sink, std::string_view Text) {
  Sink.Write(Text);
  Sink.Write("\r\n");
}

void AppendEscapedText(std::string& Out, std::string_view Text) { AppendEscaped(Out, Text, kTextEntities); }

void AppendEscapedAttribute(std::string& Out, std::string_view Text) {
  AppendEscaped(Out, Text, kAttributeEntities);
}

namespace {

void WriteChunkIfComplete(TConversionContext& ctx) {
  if (ctx.LineBuffer.size() > kChunkLength && ctx.LineBuffer.back() == '>') {
    const std::string line = CleanEmptyTags(ctx.LineBuffer);
    ctx.LineBuffer.clear();
    if (ctx.Sink != nullptr) WriteLine(*ctx.Sink, line);
  }
}

}  // namespace

void EmitHtml(std::string_view Text) {
  TConversionContext& ctx = Context();
  ctx.LineBuffer.append(Text);
  WriteChunkIfComplete(ctx);
}

void EmitEscapedText(std::string_view Text) {
  TConversionContext& ctx = Context();
  AppendEscapedText(ctx.LineBuffer, Text);
  WriteChunkIfComplete(ctx);
}

std::string CleanEmptyTags(std::string_view Text) {
  static const std::vector<std::string> kCharacterPairs = {"<B></B>",     "<I></I>",     "<U></U>",
                                                           "<SUP></SUP>", "<SUB></SUB>", "<S></S>"};
  static const std::vector<std::string> kCharacterEmpty(kCharacterPairs.size());
  static const std::vector<std::string> kBlockPairs = {"<CENTER></CENTER>", "<DIV ALIGN=right></DIV>"};
  static const std::vector<std::string> kBlockEmpty(kBlockPairs.size());

  std::string s(Text);
  for (;;) {
    std::string next = Zufuncs::ReplaceList(kCharacterPairs, kCharacterEmpty, s);
    next = Zufuncs::ReplaceList(kBlockPairs, kBlockEmpty, next);
    next = Zufuncs::WildcardReplace("<FONT SIZE=*></FONT>", "", next, 3);
    next = Zufuncs::WildcardReplace("<FONT COLOR=*></FONT>", "", next, 9);
    next = Zufuncs::WildcardReplace("<FONT FACE=*></FONT>", "", next, 12);
    if (next == s) return s;
    s = std::move(next);
  }
}

}  // namespace pmrconv
