#include "pmrconv/TagTable.h"

namespace pmrconv {

namespace {

// The boolean field of a kind; nullptr for the font kinds, whose fields hold a value. TFormat is format or const
// format.
template <typename TFormat>
auto FlagOf(TFormat& F, TTagField Field) -> decltype(&F.bold) {
  switch (Field) {
    case TTagField::Bold: return &F.bold;
    case TTagField::Italic: return &F.italic;
    case TTagField::Underline: return &F.underline;
    case TTagField::Sup: return &F.sup;
    case TTagField::Sub: return &F.sub;
    case TTagField::Strike: return &F.strike;
    case TTagField::Center: return &F.center;
    case TTagField::Right: return &F.right;
    case TTagField::Size:
    case TTagField::Colour:
    case TTagField::Face: break;
  }
  return nullptr;
}

}  // namespace

const TTagKind* TagKindOfClose(std::string_view CloseTag) {
  for (const TTagKind& kind : kTagKinds) {
    if (kind.CloseTag == CloseTag) return &kind;
  }
  return nullptr;
}

bool IsOpen(const format& F, TTagField Field) {
  if (const bool* flag = FlagOf(F, Field)) return *flag;
  if (Field == TTagField::Size) return F.size != -1;
  if (Field == TTagField::Colour) return F.color != "none";
  return F.face >= 0;
}

void ClearField(format& F, TTagField Field) {
  if (bool* flag = FlagOf(F, Field)) {
    *flag = false;
  } else if (Field == TTagField::Size) {
    F.size = -1;
  } else if (Field == TTagField::Colour) {
    F.color = "none";
  } else {
    F.face = -1;
  }
}

void SetFlag(format& F, TTagField Field) {
  if (bool* flag = FlagOf(F, Field)) *flag = true;
}

}  // namespace pmrconv
