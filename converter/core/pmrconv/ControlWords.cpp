#include "pmrconv/ControlWords.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <span>
#include <utility>
#include <string_view>

#include "pmrconv/Errors.h"
#include "pmrconv/FontColourTables.h"
#include "pmrconv/HtmlOutput.h"
#include "pmrconv/RtfSyntax.h"
#include "pmrconv/TagTable.h"

namespace pmrconv {

namespace {

enum class TMatch { Exact, Prefix, PrefixAndDigit };

enum class TAction {
  ResetAll,   // resetall: character formatting, hidden text and alignment
  ResetText,  // plain: character formatting and hidden text
  ResetPar,   // ql, pard, sectd: alignment
  HiddenOn,
  HiddenOff,
  Text,       // fixed HTML
  Paragraph,  // par, sect: a break that also ends the bookmark paragraph
  Open,       // a formatting tag: write, set the field, push
  Close,      // close one kind of tag
  CloseSupSub,
  Face,
  Size,
  Colour,
};

// Indices into kTagKinds.
enum TKind : uint8_t { kB, kI, kU, kSup, kSub, kS, kCenter, kRight, kSize, kColour, kFace };
static_assert(kTagKinds[kB].Field == TTagField::Bold && kTagKinds[kS].Field == TTagField::Strike &&
              kTagKinds[kCenter].Field == TTagField::Center && kTagKinds[kFace].Field == TTagField::Face);

struct TWordRule {
  std::string_view Word;
  TMatch Match;
  TAction Action;
  std::string_view Html = {};  // Text: the HTML
  uint8_t Kind = 0;            // Open and Close: the tag kind
};

// A rule that opens or closes a tag of Kind.
constexpr TWordRule Opens(std::string_view Word, TKind Kind) {
  return {Word, TMatch::Exact, TAction::Open, {}, Kind};
}
constexpr TWordRule Closes(std::string_view Word, TKind Kind) {
  return {Word, TMatch::Exact, TAction::Close, {}, Kind};
}

// Face names longer than Windows allows (31 characters) name no font; written whole, a long one repeated by every
// face word would make the page grow with the square of the document.
constexpr size_t kMaxFaceName = 31;

constexpr std::string_view kTab = "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";

// Tried in this order; the first row that matches decides, so prefix rows stand after the exact words they cover.
constexpr TWordRule kRules[] = {
    {"resetall", TMatch::Exact, TAction::ResetAll},
    {"plain", TMatch::Exact, TAction::ResetText},
    {"ql", TMatch::Exact, TAction::ResetPar},
    {"pard", TMatch::Exact, TAction::ResetPar},
    {"sectd", TMatch::Exact, TAction::ResetPar},
    {"v", TMatch::Exact, TAction::HiddenOn},
    {"v0", TMatch::Exact, TAction::HiddenOff},
    {"tab", TMatch::Exact, TAction::Text, kTab},
    Opens("qc", kCenter),
    Opens("qr", kRight),
    {"par", TMatch::Exact, TAction::Paragraph},
    {"sect", TMatch::Exact, TAction::Paragraph},
    {"line", TMatch::Exact, TAction::Text, "<BR>"},
    {"page", TMatch::Exact, TAction::Text, "<BR><P>"},
    {"lquote", TMatch::Exact, TAction::Text, "'"},
    {"rquote", TMatch::Exact, TAction::Text, "'"},
    {"ldblquote", TMatch::Exact, TAction::Text, "\""},
    {"rdblquote", TMatch::Exact, TAction::Text, "\""},
    Opens("b", kB),
    Closes("b0", kB),
    Opens("i", kI),
    Closes("i0", kI),
    Opens("ul", kU),
    Opens("uld", kU),
    Opens("uldash", kU),
    Opens("uldashd", kU),
    Opens("uldashdd", kU),
    Opens("uldb", kU),
    Opens("ulth", kU),
    Opens("ulwave", kU),
    Closes("ulnone", kU),
    Closes("ul0", kU),
    Opens("super", kSup),
    {"up", TMatch::Prefix, TAction::Open, {}, kSup},
    Opens("sub", kSub),
    {"dn", TMatch::Prefix, TAction::Open, {}, kSub},
    {"nosupersub", TMatch::Exact, TAction::CloseSupSub},
    Opens("strike", kS),
    Opens("strikedl", kS),
    Closes("strike0", kS),
    Closes("strikedl0", kS),
    {"f", TMatch::PrefixAndDigit, TAction::Face},
    {"fs", TMatch::Prefix, TAction::Size},
    {"cf", TMatch::Prefix, TAction::Colour},
};

bool Matches(const TWordRule& Rule, std::string_view W) {
  switch (Rule.Match) {
    case TMatch::Exact: return W == Rule.Word;
    case TMatch::Prefix: return W.starts_with(Rule.Word);
    case TMatch::PrefixAndDigit:
      return W.size() > Rule.Word.size() && W.starts_with(Rule.Word) && W[Rule.Word.size()] >= '0' &&
             W[Rule.Word.size()] <= '9';
  }
  return false;
}

// The rows whose word begins with each letter, in table order: a word can only match a row that shares its first
// letter, so walking that bucket decides exactly as walking the whole table would.
struct TInitialRows {
  uint8_t Count = 0;
  std::array<uint8_t, 12> Rows{};
};

constexpr std::array<TInitialRows, 26> MakeRowsByInitial() {
  std::array<TInitialRows, 26> byInitial{};
  for (size_t r = 0; r < std::size(kRules); ++r) {
    TInitialRows& bucket = byInitial[static_cast<size_t>(kRules[r].Word[0] - 'a')];
    bucket.Rows[bucket.Count++] = static_cast<uint8_t>(r);
  }
  return byInitial;
}

constexpr std::array<TInitialRows, 26> kRowsByInitial = MakeRowsByInitial();

const TWordRule* FindRule(std::string_view W) {
  if (W.empty() || W[0] < 'a' || W[0] > 'z') return nullptr;
  const TInitialRows& bucket = kRowsByInitial[static_cast<size_t>(W[0] - 'a')];
  for (size_t k = 0; k < bucket.Count; ++k) {
    const TWordRule& rule = kRules[bucket.Rows[k]];
    if (Matches(rule, W)) return &rule;
  }
  return nullptr;
}

// The closing tags of the open kinds that a reset covers, in the order of the tag table. The rows are unrolled at
// compile time, so that each test reads its field directly: resets come with nearly every paragraph.
template <size_t... K>
size_t OpenTagsToReset(const format& F, bool Text, bool Paragraph, std::array<std::string_view, kTagKinds.size()>& List,
                       std::index_sequence<K...>) {
  size_t count = 0;
  ((((IsParagraphKind(kTagKinds[K]) ? Paragraph : Text) && IsOpen(F, kTagKinds[K].Field))
        ? void(List[count++] = kTagKinds[K].CloseTag)
        : void()),
   ...);
  return count;
}

std::string Reset(TConversionContext& Context, TAction Action, TTagStack& Stack, format& F, int32_t Level) {
  const bool text = Action == TAction::ResetAll || Action == TAction::ResetText;
  const bool paragraph = Action == TAction::ResetAll || Action == TAction::ResetPar;
  if (text) Context.HiddenText = false;
  std::array<std::string_view, kTagKinds.size()> list;
  const size_t count = OpenTagsToReset(F, text, paragraph, list, std::make_index_sequence<kTagKinds.size()>());
  if (count == 0) return {};
  return CloseTags(Stack, F, std::span<const std::string_view>(list.data(), count), Level);
}

// Closes the face, size or colour tag that a new one replaces. The table reader shares one format among its group
// levels, so the field may speak of another level's tag; the stack knows what is open at this one, and never more
// than one tag of a kind stays open there.
std::string CloseFontKind(TKind Kind, TTagStack& Stack, format& F, int32_t Level) {
  return CloseTags(Stack, F, {kTagKinds[Kind].CloseTag}, Level);
}

// A tag already open at the level opens nothing: a second one would need a second closing word.
std::string OpenOnce(TKind Kind, TTagStack& Stack, format& F, int32_t Level) {
  const TTagKind& kind = kTagKinds[Kind];
  if (IsOpenAtLevel(Stack, kind.CloseTag, Level)) return {};
  SetFlag(F, kind.Field);
  PushTag(Stack, Level, std::string(kind.OpenTag), kind.CloseTag);
  return std::string(kind.OpenTag);
}

// The first Characters characters of the UTF-8 text Name: a cut never falls inside a character.
std::string_view Utf8Prefix(std::string_view Name, size_t Characters) {
  size_t at = 0;
  for (size_t seen = 0; at < Name.size(); ++at) {
    const bool starts = (static_cast<unsigned char>(Name[at]) & 0xC0) != 0x80;
    if (starts && seen++ == Characters) break;
  }
  return Name.substr(0, at);
}

std::string Face(TConversionContext& Context, std::string_view W, TTagStack& Stack, format& F, int32_t Level) {
  int32_t n = StrToInt(W.substr(1));
  const std::string name = Context.Unicode != nullptr ? Context.Unicode->FontName(FontSlot(Context.FontTable, n))
                                                     : FontFace(Context.FontTable, n);
  std::string tag = std::string(kTagKinds[kFace].OpenTag) + "\"";
  AppendEscapedAttribute(tag, Context.Unicode != nullptr ? Utf8Prefix(name, kMaxFaceName)
                                                         : std::string_view(name).substr(0, kMaxFaceName));
  tag += "\">";
  std::string result = CloseFontKind(kFace, Stack, F, Level);
  result += tag;
  PushTag(Stack, Level, std::move(tag), kTagKinds[kFace].CloseTag);
  F.face = n;
  return result;
}

std::string Size(std::string_view W, TTagStack& Stack, format& F, int32_t Level) {
  const int32_t s = StrToInt(W.substr(2)) / 2;  // half-points, truncated toward zero
  std::string result = CloseFontKind(kSize, Stack, F, Level);
  std::string tag = FontSizeTag(s);
  result += tag;
  PushTag(Stack, Level, std::move(tag), kTagKinds[kSize].CloseTag);
  F.size = s;
  return result;
}

std::string Colour(const std::vector<std::string>& Table, std::string_view W, TTagStack& Stack, format& F,
                   int32_t Level) {
  const int32_t n = StrToInt(W.substr(2));
  const int32_t last = static_cast<int32_t>(Table.size()) - 1;
  const int32_t index = n > last ? last : n;
  if (Table.empty()) RaiseListIndexError(-1);  // the look-up is for the last entry, whatever the number
  if (index < 0) RaiseListIndexError(index);
  const std::string colour = Table[static_cast<size_t>(index)];
  std::string result = CloseFontKind(kColour, Stack, F, Level);
  std::string tag = std::string(kTagKinds[kColour].OpenTag) + "\"" + colour + "\">";
  result += tag;
  PushTag(Stack, Level, std::move(tag), kTagKinds[kColour].CloseTag);
  F.color = colour;
  return result;
}

}  // namespace

std::string TranslateControlWord(TConversionContext& Context, std::string_view W, TTagStack& Stack, format& F,
                                 int32_t Level) {
  const TWordRule* found = FindRule(W);
  if (found == nullptr) return {};
  const TWordRule& rule = *found;
  switch (rule.Action) {
    case TAction::ResetAll:
    case TAction::ResetText:
    case TAction::ResetPar: return Reset(Context, rule.Action, Stack, F, Level);
    case TAction::HiddenOn: Context.HiddenText = true; return {};
    case TAction::HiddenOff: Context.HiddenText = false; return {};
    case TAction::Text: return std::string(rule.Html);
    case TAction::Paragraph: Context.BookmarkParagraph = false; return "<BR>";
    case TAction::Open: return OpenOnce(static_cast<TKind>(rule.Kind), Stack, F, Level);
    case TAction::Close: return CloseTags(Stack, F, {kTagKinds[rule.Kind].CloseTag}, Level);
    case TAction::CloseSupSub: return CloseTags(Stack, F, {kTagKinds[kSub].CloseTag, kTagKinds[kSup].CloseTag}, Level);
    case TAction::Face: return Face(Context, W, Stack, F, Level);
    case TAction::Size: return Size(W, Stack, F, Level);
    case TAction::Colour: return Colour(Context.ColourTable, W, Stack, F, Level);
  }
  return {};
}

std::string FontSizeTag(int32_t S) {
  const std::string_view prefix = kTagKinds[kSize].OpenTag;
  if (S == 12) return std::string(prefix) + "+0>";
  const char* v = S <= 8 ? "-2" : S <= 11 ? "-1" : S <= 15 ? "+1" : S <= 20 ? "+2" : S <= 28 ? "+3" : "+4";
  return std::string(prefix) + v + ">";
}

}  // namespace pmrconv
