#include "pmrconv/HtmlOutput.h"

#include <array>
#include <cstring>
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
  const char* p = Text.data();
  const char* const end = p + Text.size();
  while (p < end) {
    // Copy each run of safe bytes with one append.
    const char* run = p;
    while (p < end && Entities[static_cast<unsigned char>(*p)].empty()) ++p;
    Out.append(run, static_cast<size_t>(p - run));
    if (p == end) break;
    Out.append(Entities[static_cast<unsigned char>(*p)]);
    ++p;
  }
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
    // The buffer is empty before the line is written, also when writing fails; its storage is kept otherwise.
    std::string chunk;
    chunk.swap(ctx.LineBuffer);
    if (ctx.Sink != nullptr) {
      // Most chunks hold no empty pair: they go out as they are, without the clean-up's copies.
      if (detail::CleanPassChangesNothing(chunk)) {
        WriteLine(*ctx.Sink, chunk);
      } else {
        WriteLine(*ctx.Sink, CleanEmptyTags(chunk));
      }
    }
    chunk.clear();
    ctx.LineBuffer.swap(chunk);
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

namespace detail {

namespace {

struct TEmptyPair {
  std::string_view Open;
  std::string_view Close;
};

// The pairs of the clean-up's first two steps; each occurrence has its opening tag's ">" right before "</".
constexpr std::array<TEmptyPair, 8> kEmptyPairs = {{{"<B>", "</B>"},
                                                    {"<I>", "</I>"},
                                                    {"<U>", "</U>"},
                                                    {"<SUP>", "</SUP>"},
                                                    {"<SUB>", "</SUB>"},
                                                    {"<S>", "</S>"},
                                                    {"<CENTER>", "</CENTER>"},
                                                    {"<DIV ALIGN=right>", "</DIV>"}}};

struct TFontPattern {
  std::string_view Prefix;
  size_t MaxMiddle;
};

constexpr std::string_view kFontClose = "></FONT>";
constexpr std::array<TFontPattern, 3> kFontPatterns = {{{"<FONT SIZE=", 3}, {"<FONT COLOR=", 9}, {"<FONT FACE=", 12}}};

}  // namespace

bool CleanPassChangesNothing(std::string_view S) {
  // One walk over the "<" of S finds every literal pair (at the "</" of its closing tag) and the first
  // occurrence of each font prefix, which is the only one the wildcard steps ever try.
  std::array<size_t, kFontPatterns.size()> firstFont;
  firstFont.fill(std::string_view::npos);
  const char* const data = S.data();
  const size_t size = S.size();
  for (size_t q = 0; q < size;) {
    const void* hit = std::memchr(data + q, '<', size - q);
    if (hit == nullptr) break;
    q = static_cast<size_t>(static_cast<const char*>(hit) - data);
    const std::string_view rest = S.substr(q);
    if (rest.size() > 1 && rest[1] == '/') {
      if (q > 0 && data[q - 1] == '>') {
        const std::string_view before = S.substr(0, q);
        for (const TEmptyPair& pair : kEmptyPairs) {
          if (before.ends_with(pair.Open) && rest.starts_with(pair.Close)) return false;
        }
      }
    } else if (rest.starts_with("<FONT ")) {
      for (size_t k = 0; k < kFontPatterns.size(); ++k) {
        if (firstFont[k] == std::string_view::npos && rest.starts_with(kFontPatterns[k].Prefix)) firstFont[k] = q;
      }
    }
    ++q;
  }
  // A wildcard step changes S when the first suffix after its prefix's first occurrence begins within the
  // middle bound, that is when any suffix begins there.
  for (size_t k = 0; k < kFontPatterns.size(); ++k) {
    if (firstFont[k] == std::string_view::npos) continue;
    const size_t middle = firstFont[k] + kFontPatterns[k].Prefix.size();
    for (size_t at = middle; at <= middle + kFontPatterns[k].MaxMiddle && at < size; ++at) {
      if (S.substr(at).starts_with(kFontClose)) return false;
    }
  }
  return true;
}

}  // namespace detail

std::string CleanEmptyTags(std::string_view Text) {
  static const std::vector<std::string> kCharacterPairs = {"<B></B>",     "<I></I>",     "<U></U>",
                                                           "<SUP></SUP>", "<SUB></SUB>", "<S></S>"};
  static const std::vector<std::string> kCharacterEmpty(kCharacterPairs.size());
  static const std::vector<std::string> kBlockPairs = {"<CENTER></CENTER>", "<DIV ALIGN=right></DIV>"};
  static const std::vector<std::string> kBlockEmpty(kBlockPairs.size());

  // A pass that would change nothing ends the repetition; it is recognised without running it.
  std::string s(Text);
  while (!detail::CleanPassChangesNothing(s)) {
    std::string next = Zufuncs::ReplaceList(kCharacterPairs, kCharacterEmpty, s);
    next = Zufuncs::ReplaceList(kBlockPairs, kBlockEmpty, next);
    next = Zufuncs::WildcardReplace("<FONT SIZE=*></FONT>", "", next, 3);
    next = Zufuncs::WildcardReplace("<FONT COLOR=*></FONT>", "", next, 9);
    next = Zufuncs::WildcardReplace("<FONT FACE=*></FONT>", "", next, 12);
    s = std::move(next);
  }
  return s;
}

}  // namespace pmrconv
