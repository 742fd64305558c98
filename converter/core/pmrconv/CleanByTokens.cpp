#include "pmrconv/CleanByTokens.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "pmrconv/TagTable.h"

namespace pmrconv::detail {

namespace {

constexpr size_t kPairCount = kPairKinds.size();
constexpr size_t kFontCount = kFontKinds.size();
constexpr std::string_view kFontClose = kFontPairSuffix.substr(1);

constexpr uint32_t kNone = UINT32_MAX;

// A text run (no "<" or ">") or a whole tag. Tokens are only ever removed, so their indices keep the text's order.
struct TToken {
  uint32_t Offset = 0;
  uint32_t Length = 0;
  uint32_t Prev = kNone;
  uint32_t Next = kNone;
  bool Alive = true;
  bool IsFontClose = false;
  int8_t Open = -1;    // index into kPairKinds: the token is its opening tag
  int8_t Close = -1;   // index into kPairKinds: the token is its closing tag
  int8_t Prefix = -1;  // index into kFontKinds
};

class TTagList {
public:
  explicit TTagList(std::string_view Text) : FText(Text) {}

  // Splits the text into tokens; false when it is not made of text runs and whole tags.
  bool Build();
  // One pass of the clean-up; true when it removed anything.
  bool Pass();
  std::string Text() const;
  uint64_t Work() const { return FWork; }

private:
  std::string_view TokenText(uint32_t T) const { return FText.substr(FTokens[T].Offset, FTokens[T].Length); }
  bool IsPair(uint32_t A, int P) const {
    const TToken& a = FTokens[A];
    return a.Alive && a.Open == P && FTokens[a.Next].Close == P;
  }
  void NoteIfPair(uint32_t A) {
    const int8_t p = FTokens[A].Open;
    if (p >= 0 && FTokens[FTokens[A].Next].Close == p) FPending[static_cast<size_t>(p)].push_back(A);
  }
  void Remove(uint32_t First, uint32_t Last);
  bool LiteralStep(int P);
  bool FontStep(int K);
  bool MatchesAt(uint32_t U, std::string_view M, uint32_t& Last);

  std::string_view FText;
  std::vector<TToken> FTokens;  // FTokens[0] and FTokens.back() are empty ends that are never removed
  // Left tags of pairs that may stand next to each other now, for the step of their kind; stale entries are skipped.
  std::array<std::vector<uint32_t>, kPairCount> FPending;
  std::vector<uint32_t> FStepPairs;
  // The font tags of each kind in text order, the first one alive, and those of each exact tag text.
  std::array<std::vector<uint32_t>, kFontCount> FFontTags;
  std::array<size_t, kFontCount> FFirstFont{};
  std::array<std::unordered_map<std::string_view, std::vector<uint32_t>>, kFontCount> FSameTags;
  std::vector<std::pair<uint32_t, uint32_t>> FMatches;
  uint64_t FWork = 0;
};

bool TTagList::Build() {
  const size_t n = FText.size();
  FTokens.reserve(n / 4 + 2);
  FTokens.emplace_back();
  for (size_t i = 0; i < n;) {
    TToken token;
    token.Offset = static_cast<uint32_t>(i);
    if (FText[i] == '<') {
      const size_t end = FText.find_first_of("<>", i + 1);
      if (end == std::string_view::npos || FText[end] != '>') return false;
      token.Length = static_cast<uint32_t>(end + 1 - i);
      const std::string_view tag = FText.substr(i, token.Length);
      for (size_t p = 0; p < kPairCount; ++p) {
        if (tag == kPairKinds[p]->OpenTag) token.Open = static_cast<int8_t>(p);
        if (tag == kPairKinds[p]->CloseTag) token.Close = static_cast<int8_t>(p);
      }
      token.IsFontClose = tag == kFontClose;
      for (size_t k = 0; k < kFontCount; ++k) {
        if (tag.starts_with(kFontKinds[k]->OpenTag)) token.Prefix = static_cast<int8_t>(k);
      }
      i = end + 1;
    } else {
      if (FText[i] == '>') return false;
      size_t end = FText.find_first_of("<>", i);
      if (end == std::string_view::npos) end = n;
      token.Length = static_cast<uint32_t>(end - i);
      i = end;
    }
    FTokens.push_back(token);
  }
  FTokens.emplace_back();
  for (uint32_t t = 0; t < FTokens.size(); ++t) {
    FTokens[t].Prev = t == 0 ? kNone : t - 1;
    FTokens[t].Next = t + 1 == FTokens.size() ? kNone : t + 1;
  }
  for (uint32_t t = 1; t + 1 < FTokens.size(); ++t) {
    NoteIfPair(t);
    const int8_t k = FTokens[t].Prefix;
    if (k >= 0) {
      FFontTags[static_cast<size_t>(k)].push_back(t);
      FSameTags[static_cast<size_t>(k)][TokenText(t)].push_back(t);
    }
  }
  return true;
}

void TTagList::Remove(uint32_t First, uint32_t Last) {
  const uint32_t before = FTokens[First].Prev;
  const uint32_t after = FTokens[Last].Next;
  for (uint32_t t = First;; t = FTokens[t].Next) {
    FTokens[t].Alive = false;
    ++FWork;
    if (t == Last) break;
  }
  FTokens[before].Next = after;
  FTokens[after].Prev = before;
  if (before != 0) NoteIfPair(before);  // the two sides now touch: they may form a pair for a later step
}

// ReplaceAll of one literal pair: every pair present when the step begins goes, and pairs that the removals
// bring together wait for their own step (of this pass when it comes later, of the next one otherwise). The pairs
// of one kind never share a tag, so removing one leaves the others standing.
bool TTagList::LiteralStep(int P) {
  std::vector<uint32_t>& pending = FPending[static_cast<size_t>(P)];
  FStepPairs.clear();
  for (const uint32_t a : pending) {
    if (IsPair(a, P)) FStepPairs.push_back(a);
  }
  FWork += pending.size();
  pending.clear();
  bool removed = false;
  for (const uint32_t a : FStepPairs) {
    if (!FTokens[a].Alive) continue;  // listed twice
    Remove(a, FTokens[a].Next);
    removed = true;
  }
  return removed;
}

// Whether the text from token U on begins with M; Last is then the token that M ends with. M ends with a tag's
// ">", the only ">" of a tag and the last character of it, so a match always covers whole tokens.
bool TTagList::MatchesAt(uint32_t U, std::string_view M, uint32_t& Last) {
  size_t at = 0;
  for (uint32_t t = U; t != kNone && at < M.size(); t = FTokens[t].Next) {
    const std::string_view text = TokenText(t);
    FWork += text.size() + 1;
    if (text.size() > M.size() - at || M.substr(at, text.size()) != text) return false;
    at += text.size();
    Last = t;
  }
  return at == M.size();
}

// WildcardReplace of one font pattern: the first tag with the prefix, the first "></FONT>" after it within the
// middle bound and with no "<" or ">" before it, and then every copy of that match, left to right and without
// overlap.
bool TTagList::FontStep(int K) {
  const size_t k = static_cast<size_t>(K);
  const std::vector<uint32_t>& tags = FFontTags[k];
  size_t& first = FFirstFont[k];
  while (first < tags.size() && !FTokens[tags[first]].Alive) ++first;
  if (first == tags.size()) return false;
  const uint32_t start = tags[first];

  // The value lies within the opening tag, which holds no "<" and only its last ">": the match is that tag and a
  // "</FONT>" right after it.
  const uint32_t close = FTokens[start].Next;
  ++FWork;
  const size_t value = FTokens[start].Length - kFontKinds[k]->OpenTag.size() - 1;
  if (!FTokens[close].IsFontClose || value > kFontKinds[k]->MaxMiddle) return false;
  std::string match;
  for (uint32_t t = start;; t = FTokens[t].Next) {
    match.append(TokenText(t));
    if (t == close) break;
  }

  // Every copy begins with a tag of exactly the first one's text, since the match's first ">" ends that tag.
  std::vector<uint32_t>& same = FSameTags[k][TokenText(start)];
  FMatches.clear();
  bool any = false;
  uint32_t lastEnd = 0;
  size_t kept = 0;
  for (const uint32_t u : same) {
    ++FWork;
    if (!FTokens[u].Alive) continue;
    same[kept++] = u;
    uint32_t last = kNone;
    if (any && u <= lastEnd) continue;  // inside the copy before: the search goes on after it
    if (MatchesAt(u, match, last)) {
      FMatches.emplace_back(u, last);
      lastEnd = last;
      any = true;
    }
  }
  same.resize(kept);
  for (const auto& [u, last] : FMatches) Remove(u, last);
  return any;
}

bool TTagList::Pass() {
  bool changed = false;
  for (int p = 0; p < static_cast<int>(kPairCount); ++p) changed |= LiteralStep(p);
  for (int k = 0; k < static_cast<int>(kFontCount); ++k) changed |= FontStep(k);
  return changed;
}

std::string TTagList::Text() const {
  std::string text;
  text.reserve(FText.size());
  for (uint32_t t = FTokens[0].Next; t + 1 != FTokens.size(); t = FTokens[t].Next) text.append(TokenText(t));
  return text;
}

}  // namespace

bool CleanEmptyTagsByTokens(std::string& S) {
  if (S.size() >= UINT32_MAX / 2) return false;
  TTagList list(S);
  if (!list.Build()) return false;
  // Converter lines stay far below this; other tag soup may need the plain passes' time after all.
  const uint64_t budget = 64 * static_cast<uint64_t>(S.size()) + 4096;
  bool changed = false;
  for (;;) {
    if (!list.Pass()) {
      if (changed) S = list.Text();
      return true;
    }
    changed = true;
    if (list.Work() > budget) {
      S = list.Text();
      return false;
    }
  }
}

}  // namespace pmrconv::detail
