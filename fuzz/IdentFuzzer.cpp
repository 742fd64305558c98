// The identifier search against a plain model of its rules, on arbitrary text and positions: same answers, the
// out-parameters left alone wherever nothing is found, found identifiers whole words within 1..n.
//
// The input's last bytes choose positions, directions and the identifier searched for; the first bytes give the
// identifier, the rest is the text (held in a buffer of exactly its size, so that any read past it is caught).

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string>
#include <string_view>

#include "KorvexUtils.h"

namespace {

constexpr int32_t kUnset = -777777;
const std::string kUnsetIdent = "<unset>";

[[noreturn]] void Fail(const char* What, int64_t Pos) {
  std::fprintf(stderr, "identifier search: %s (position %lld)\n", What, static_cast<long long>(Pos));
  std::abort();
}

void Expect(bool Ok, const char* What, int64_t Pos) {
  if (!Ok) Fail(What, Pos);
}

// The rules written out step by step, on 64-bit positions.
class TModel {
public:
  explicit TModel(std::string_view Text) : FText(Text), FN(static_cast<int64_t>(Text.size())) {}

  int64_t N() const { return FN; }
  unsigned char At(int64_t P) const { return P >= 1 && P <= FN ? static_cast<unsigned char>(FText[P - 1]) : ' '; }
  static bool IsIdent(unsigned char C) {
    return (C >= '0' && C <= '9') || (C >= 'A' && C <= 'Z') || C == '_' || (C >= 'a' && C <= 'z');
  }
  bool IdentAt(int64_t P) const { return IsIdent(At(P)); }
  static unsigned char Fold(unsigned char C) { return C >= 'a' && C <= 'z' ? static_cast<unsigned char>(C - 32) : C; }

  bool CurrentIdent(int64_t Pos, int64_t& Start, int64_t& Len) const {
    bool found = false;
    int64_t p = Pos;
    while (p >= 1) {
      if (IdentAt(p)) {
        --p;
        found = true;
      } else if (found || p < 2) {
        break;
      } else if (IdentAt(p - 1)) {
        p -= 2;
        found = true;
      } else {
        break;
      }
    }
    if (!found) return false;
    Start = p + 1;
    int64_t q = Start + 1;
    while (q >= 1 && q <= FN && IdentAt(q)) ++q;
    Len = q - Start;
    return true;
  }

  bool FindNeibIdent(int64_t Pos, bool Backward, int64_t& Start, int64_t& Len) const {
    for (int64_t p = Pos; p >= 1 && p <= FN; p += Backward ? -1 : 1) {
      if (CurrentIdent(p, Start, Len)) return true;
    }
    return false;
  }

  bool FindTextIdent(std::string_view Ident, int64_t Pos, bool Backward, int64_t& Found) const {
    if (Ident.empty()) return false;
    const int64_t m = static_cast<int64_t>(Ident.size());
    const auto identAt = [&](int64_t I) { return Fold(static_cast<unsigned char>(Ident[I - 1])); };
    for (int64_t p = Pos;;) {
      p += Backward ? -1 : 1;
      if (p < 1 || p > FN) return false;
      if (Fold(At(p)) != identAt(1)) continue;
      if (p + m - 1 > FN) continue;
      bool same = true;
      for (int64_t i = 1; i <= m && same; ++i) same = Fold(At(p + i - 1)) == identAt(i);
      if (!same) continue;
      if (p >= 2 && IdentAt(p - 1)) continue;
      if (p + m <= FN && IdentAt(p + m)) continue;
      Found = p;
      return true;
    }
  }

  void FindCharPos(int64_t Pos, int64_t& Line, int64_t& Col) const {
    Line = 1;
    Col = 0;
    for (int64_t i = 1; i < Pos; ++i) {
      if (At(i) == '\r') {
        if (i + 1 < Pos && At(i + 1) == '\n') ++i;
        ++Line;
        Col = 0;
      } else {
        ++Col;
      }
    }
  }

private:
  std::string_view FText;
  int64_t FN;
};

// A position: mostly within or just around the text, sometimes at the ends of the 32-bit range.
int32_t PickPos(FuzzedDataProvider& Input, int64_t N) {
  switch (Input.ConsumeIntegralInRange<int>(0, 15)) {
    case 0: return std::numeric_limits<int32_t>::min();
    case 1: return std::numeric_limits<int32_t>::max();
    case 2: return 0;
    case 3: return static_cast<int32_t>(N + 1);
    default: return Input.ConsumeIntegralInRange<int32_t>(-2, static_cast<int32_t>(N + 2));
  }
}

void CheckCurrentIdent(const TModel& Model, std::string_view Text, int32_t Pos) {
  int32_t start = kUnset, len = kUnset;
  int64_t mStart = 0, mLen = 0;
  const bool found = KorvexUtils::CurrentIdent(Text, Pos, start, len);
  Expect(found == Model.CurrentIdent(Pos, mStart, mLen), "CurrentIdent: found differs", Pos);
  if (!found) {
    Expect(start == kUnset && len == kUnset, "CurrentIdent wrote its out-parameters on false", Pos);
    return;
  }
  Expect(start == mStart && len == mLen, "CurrentIdent: start or length differs", Pos);
  Expect(start >= 1 && len >= 1 && start + len - 1 <= Model.N(), "CurrentIdent: outside the text", Pos);
  Expect(!Model.IdentAt(start - 1) && !Model.IdentAt(start + len), "CurrentIdent: not a whole word", Pos);
  Expect(start <= Pos && Pos <= static_cast<int64_t>(start) + len, "CurrentIdent: neither at nor before Pos", Pos);
}

void CheckFindNeibIdent(const TModel& Model, std::string_view Text, int32_t Pos, bool Backward) {
  int32_t start = kUnset, len = kUnset;
  int64_t mStart = 0, mLen = 0;
  const bool found = KorvexUtils::FindNeibIdent(Text, Pos, Backward, start, len);
  Expect(found == Model.FindNeibIdent(Pos, Backward, mStart, mLen), "FindNeibIdent: found differs", Pos);
  if (!found) {
    Expect(start == kUnset && len == kUnset, "FindNeibIdent wrote its out-parameters on false", Pos);
    return;
  }
  Expect(start == mStart && len == mLen, "FindNeibIdent: start or length differs", Pos);
  Expect(start >= 1 && len >= 1 && start + len - 1 <= Model.N(), "FindNeibIdent: outside the text", Pos);
}

void CheckFindTextIdent(const TModel& Model, std::string_view Text, const std::string& Ident, int32_t Pos,
                        bool Backward) {
  int32_t foundPos = kUnset;
  int64_t mFound = 0;
  const bool found = KorvexUtils::FindTextIdent(Ident, Text, Pos, Backward, foundPos);
  Expect(found == Model.FindTextIdent(Ident, Pos, Backward, mFound), "FindTextIdent: found differs", Pos);
  if (!found) {
    Expect(foundPos == kUnset, "FindTextIdent wrote FoundPos on false", Pos);
    return;
  }
  Expect(foundPos == mFound, "FindTextIdent: position differs", Pos);
  const int64_t m = static_cast<int64_t>(Ident.size());
  Expect(foundPos >= 1 && foundPos + m - 1 <= Model.N(), "FindTextIdent: outside the text", Pos);
  Expect(Backward ? foundPos < Pos : foundPos > Pos, "FindTextIdent: wrong direction", Pos);
  Expect(!Model.IdentAt(foundPos - 1) && !Model.IdentAt(foundPos + m), "FindTextIdent: not a whole word", Pos);
}

void CheckFindIdentAtPos(const TModel& Model, std::string_view Text, int32_t Pos, bool Backward) {
  int32_t foundPos = kUnset, len = kUnset;
  std::string ident = kUnsetIdent;
  const bool found = KorvexUtils::FindIdentAtPos(Text, Pos, Backward, foundPos, len, ident);
  int64_t mStart = 0, mLen = 0;
  if (!Model.CurrentIdent(Pos, mStart, mLen)) {
    Expect(!found && foundPos == kUnset && len == kUnset && ident == kUnsetIdent,
           "FindIdentAtPos wrote something without an identifier at Pos", Pos);
    return;
  }
  const std::string_view copy = Text.substr(static_cast<size_t>(mStart - 1), static_cast<size_t>(mLen));
  Expect(len == mLen && ident == copy, "FindIdentAtPos: identifier differs", Pos);
  int64_t mFound = 0;
  Expect(found == Model.FindTextIdent(copy, mStart, Backward, mFound), "FindIdentAtPos: found differs", Pos);
  Expect(found ? foundPos == mFound : foundPos == kUnset, "FindIdentAtPos: FoundPos differs", Pos);
  Expect(!found || foundPos != mStart, "FindIdentAtPos found the occurrence it started on", Pos);
}

void CheckFindCharPos(const TModel& Model, std::string_view Text, int32_t Pos) {
  int32_t line = kUnset, col = kUnset;
  KorvexUtils::FindCharPos(Text, Pos, line, col);
  int64_t mLine = 0, mCol = 0;
  Model.FindCharPos(Pos, mLine, mCol);
  Expect(line == mLine && col == mCol, "FindCharPos: line or column differs", Pos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  FuzzedDataProvider input(Data, Size);
  const uint8_t choices = input.ConsumeIntegral<uint8_t>();
  const uint8_t identChoice = input.ConsumeIntegral<uint8_t>();
  int32_t positions[4];
  // Positions are picked against the whole remaining input first; those beyond the text test its end.
  for (int32_t& pos : positions) pos = PickPos(input, static_cast<int64_t>(input.remaining_bytes()));
  std::string searched = input.ConsumeRandomLengthString(24);
  const std::string rest = input.ConsumeRemainingBytesAsString();
  const std::unique_ptr<char[]> buffer(new char[rest.size()]);
  rest.copy(buffer.get(), rest.size());
  const std::string_view text(buffer.get(), rest.size());
  const TModel model(text);

  // Mostly search for an identifier of the text itself, so that whole-word matches are found often.
  int64_t start = 0, len = 0;
  if ((identChoice & 3) != 0 && model.FindNeibIdent(positions[3] < 1 ? 1 : positions[3], false, start, len)) {
    searched.assign(text.substr(static_cast<size_t>(start - 1), static_cast<size_t>(len)));
    if (identChoice & 4) {
      for (char& c : searched) {  // the other case: the search must fold it back
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        else if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
      }
    }
  }

  for (size_t k = 0; k < 4; ++k) {
    const int32_t pos = positions[k];
    const bool backward = (choices >> k) & 1;
    CheckCurrentIdent(model, text, pos);
    CheckFindNeibIdent(model, text, pos, backward);
    CheckFindTextIdent(model, text, searched, pos, backward);
    CheckFindIdentAtPos(model, text, pos, backward);
    if (pos >= -2 && pos <= model.N() + 2) CheckFindCharPos(model, text, pos);
  }
  return 0;
}
