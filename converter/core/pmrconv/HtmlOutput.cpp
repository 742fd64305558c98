#include "pmrconv/HtmlOutput.h"

#include <array>
#include <cstring>
#include <vector>

#include "Zufuncs.h"
#include "pmrconv/ByteScan.h"
#include "pmrconv/CleanByTokens.h"
#include "pmrconv/Context.h"

namespace pmrconv {

namespace {

constexpr size_t kChunkLength = 200;
// Shorter lines hold too few tags for deep nests: the plain passes clean them faster.
constexpr size_t kReplayFrom = 1024;

using TEntityTable = std::array<std::string_view, 256>;

struct TEscapes {
  TEntityTable Entity{};
  std::array<bool, 256> Special{};  // whether the byte has an entity: the inner loop tests one byte
};

constexpr TEscapes MakeEscapes(bool Attribute) {
  TEscapes t{};
  t.Entity['<'] = "&lt;";
  t.Entity['>'] = "&gt;";
  t.Entity['&'] = "&amp;";
  if (Attribute) t.Entity['"'] = "&quot;";
  for (size_t c = 0; c < 256; ++c) t.Special[c] = !t.Entity[c].empty();
  return t;
}

constexpr TEscapes kTextEscapes = MakeEscapes(false);
constexpr TEscapes kAttributeEscapes = MakeEscapes(true);

void AppendEscaped(std::string& Out, std::string_view Text, const TEscapes& Escapes) {
  const char* p = Text.data();
  const char* const end = p + Text.size();
  while (p < end) {
    // Copy each run of safe bytes with one append.
    const char* run = p;
    while (p < end && !Escapes.Special[static_cast<unsigned char>(*p)]) ++p;
    Out.append(run, static_cast<size_t>(p - run));
    if (p == end) break;
    Out.append(Escapes.Entity[static_cast<unsigned char>(*p)]);
    ++p;
  }
}

}  // namespace

void WriteLine(TPageSink& Sink, std::string_view Text) {
  Sink.Write(Text);
  Sink.Write("\r\n");
}

void AppendEscapedText(std::string& Out, std::string_view Text) {
  size_t done = 0;
  for (size_t at = detail::FindAnyOf3(Text, 0, '<', '>', '&'); at != std::string_view::npos;
       at = detail::FindAnyOf3(Text, done, '<', '>', '&')) {
    Out.append(Text.data() + done, at - done);
    Out.append(kTextEscapes.Entity[static_cast<unsigned char>(Text[at])]);
    done = at + 1;
  }
  Out.append(Text.data() + done, Text.size() - done);
}

void AppendEscapedAttribute(std::string& Out, std::string_view Text) {
  AppendEscaped(Out, Text, kAttributeEscapes);
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

// Whether the wildcard step of Pattern would change S: the first occurrence of its prefix, followed within the
// middle bound by the first suffix after it.
bool FontPatternMatches(std::string_view S, const TFontPattern& Pattern) {
  const size_t first = S.find(Pattern.Prefix);
  if (first == std::string_view::npos) return false;
  const size_t middle = first + Pattern.Prefix.size();
  for (size_t at = middle; at <= middle + Pattern.MaxMiddle && at < S.size(); ++at) {
    if (S.substr(at).starts_with(kFontClose)) return true;
  }
  return false;
}

// Whether a prefix of Pattern ends within the middle bound before the suffix that begins at Junction. Without
// one, no occurrence of the prefix, the first included, can reach this suffix.
bool FontPrefixNear(std::string_view S, size_t Junction, const TFontPattern& Pattern) {
  const size_t length = Pattern.Prefix.size();
  for (size_t middle = 0; middle <= Pattern.MaxMiddle; ++middle) {
    if (Junction < middle + length) break;
    const size_t at = Junction - middle - length;
    if (S[at] == '<' && S.substr(at).starts_with(Pattern.Prefix)) return true;
  }
  return false;
}

}  // namespace

bool CleanPassChangesNothing(std::string_view S) {
  // Every pattern of the clean-up holds "></": a literal pair at the junction of its two tags, a wildcard
  // pattern at the start of its suffix. So only the junctions of S need a closer look; they are found through
  // the "/" of closing tags.
  const char* const data = S.data();
  const size_t size = S.size();
  bool fontNear = false;
  for (size_t slash = 2; slash < size;) {
    const void* hit = std::memchr(data + slash, '/', size - slash);
    if (hit == nullptr) break;
    slash = static_cast<size_t>(static_cast<const char*>(hit) - data);
    if (data[slash - 1] == '<' && data[slash - 2] == '>') {
      const size_t junction = slash - 2;  // the ">" before "</"
      const std::string_view before = S.substr(0, junction + 1);
      const std::string_view after = S.substr(junction + 1);
      for (const TEmptyPair& pair : kEmptyPairs) {
        // The letter after "</" rules out most pairs before any text is compared.
        if (pair.Close[2] == after[2] && after.starts_with(pair.Close) && before.ends_with(pair.Open)) return false;
      }
      if (!fontNear && S.substr(junction).starts_with(kFontClose)) {
        for (const TFontPattern& pattern : kFontPatterns) fontNear = fontNear || FontPrefixNear(S, junction, pattern);
      }
    }
    ++slash;
  }
  if (!fontNear) return true;
  for (const TFontPattern& pattern : kFontPatterns) {
    if (FontPatternMatches(S, pattern)) return false;
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

  std::string s(Text);
  // A long line may hold nests of empty pairs many layers deep, one layer a pass: it is cleaned on its tags.
  if (s.size() > kReplayFrom && !detail::CleanPassChangesNothing(s) && detail::CleanEmptyTagsByTokens(s)) return s;
  // A pass that would change nothing ends the repetition; it is recognised without running it.
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
