#include "pmrconv/HtmlOutput.h"

#include <array>
#include <cstring>
#include <vector>

#include "Zufuncs.h"
#include "pmrconv/ByteScan.h"
#include "pmrconv/CleanByTokens.h"
#include "pmrconv/TagTable.h"

namespace pmrconv {

namespace {

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

void THtmlOutput::WriteCleanLine(std::string_view Line) {
  if (!LineEndsInsideTags) {
    WriteLine(*Sink, Line);
  } else if (Line.ends_with('>')) {
    Sink->Write(Line.substr(0, Line.size() - 1));
    Sink->Write("\r\n>");
  } else {
    Sink->Write(Line);
  }
}

void THtmlOutput::WriteChunk() {
  // The buffer is empty before the line is written, also when writing fails; its storage is kept otherwise.
  std::string chunk;
  chunk.swap(LineBuffer);
  if (Sink != nullptr) {
    // Most chunks hold no empty pair: they go out as they are, without the clean-up's copies.
    if (detail::CleanPassChangesNothing(chunk)) {
      WriteCleanLine(chunk);
    } else {
      WriteCleanLine(CleanEmptyTags(chunk));
    }
  }
  chunk.clear();
  LineBuffer.swap(chunk);
}

namespace detail {

namespace {

constexpr std::string_view kFontClose = kFontPairSuffix;

// Whether the wildcard step of Pattern would change S: the first occurrence of its prefix, followed within the
// middle bound by the first suffix after it, with no "<" or ">" between.
bool FontPatternMatches(std::string_view S, const TTagKind& Pattern) {
  const size_t first = S.find(Pattern.OpenTag);
  if (first == std::string_view::npos) return false;
  const size_t middle = first + Pattern.OpenTag.size();
  const size_t end = S.find_first_of(kNotInFontValue, middle);
  return end != std::string_view::npos && end - middle <= Pattern.MaxMiddle && S.substr(end).starts_with(kFontClose);
}

// Whether a prefix of Pattern ends within the middle bound before the suffix that begins at Junction. Without
// one, no occurrence of the prefix, the first included, can reach this suffix.
bool FontPrefixNear(std::string_view S, size_t Junction, const TTagKind& Pattern) {
  const size_t length = Pattern.OpenTag.size();
  for (size_t middle = 0; middle <= Pattern.MaxMiddle; ++middle) {
    if (Junction < middle + length) break;
    const size_t at = Junction - middle - length;
    if (S[at] == '<' && S.substr(at).starts_with(Pattern.OpenTag)) return true;
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
      for (const TTagKind* pair : kPairKinds) {
        // The letter after "</" rules out most pairs before any text is compared.
        if (after.size() > 2 && pair->CloseTag[2] == after[2] && after.starts_with(pair->CloseTag) &&
            before.ends_with(pair->OpenTag)) {
          return false;
        }
      }
      if (!fontNear && S.substr(junction).starts_with(kFontClose)) {
        for (const TTagKind* font : kFontKinds) fontNear = fontNear || FontPrefixNear(S, junction, *font);
      }
    }
    ++slash;
  }
  if (!fontNear) return true;
  for (const TTagKind* font : kFontKinds) {
    if (FontPatternMatches(S, *font)) return false;
  }
  return true;
}

}  // namespace detail

namespace {

// The literal pairs of one clean-up step, "<B></B>" and so on, in the order of the tag table.
std::vector<std::string> PairsOf(TCleanKind Clean) {
  std::vector<std::string> pairs;
  for (const TTagKind& kind : kTagKinds) {
    if (kind.Clean == Clean) pairs.push_back(std::string(kind.OpenTag) + std::string(kind.CloseTag));
  }
  return pairs;
}

struct TWildcardStep {
  std::string Pattern;
  int MaxMiddle;
};

// The font steps: "<FONT SIZE=*></FONT>" with its bound, and so on.
std::vector<TWildcardStep> WildcardSteps() {
  std::vector<TWildcardStep> steps;
  for (const TTagKind& kind : kTagKinds) {
    if (kind.Clean != TCleanKind::FontWildcard) continue;
    steps.push_back({std::string(kind.OpenTag) + "*" + std::string(kFontPairSuffix), static_cast<int>(kind.MaxMiddle)});
  }
  return steps;
}

}  // namespace

std::string CleanEmptyTags(std::string_view Text) {
  static const std::vector<std::string> kCharacterPairs = PairsOf(TCleanKind::CharacterPair);
  static const std::vector<std::string> kCharacterEmpty(kCharacterPairs.size());
  static const std::vector<std::string> kBlockPairs = PairsOf(TCleanKind::BlockPair);
  static const std::vector<std::string> kBlockEmpty(kBlockPairs.size());
  static const std::vector<TWildcardStep> kWildcardSteps = WildcardSteps();

  std::string s(Text);
  // A long line may hold nests of empty pairs many layers deep, one layer a pass: it is cleaned on its tags.
  if (s.size() > kReplayFrom && !detail::CleanPassChangesNothing(s) && detail::CleanEmptyTagsByTokens(s)) return s;
  // A pass that would change nothing ends the repetition; it is recognised without running it.
  while (!detail::CleanPassChangesNothing(s)) {
    std::string next = Zufuncs::ReplaceList(kCharacterPairs, kCharacterEmpty, s);
    next = Zufuncs::ReplaceList(kBlockPairs, kBlockEmpty, next);
    for (const TWildcardStep& step : kWildcardSteps) {
      next = Zufuncs::WildcardReplace(step.Pattern, "", next, step.MaxMiddle, kNotInFontValue);
    }
    s = std::move(next);
  }
  return s;
}

}  // namespace pmrconv
