#include "pmrconv/TagStack.h"

#include <algorithm>

namespace pmrconv {

void ResetFormat(format& F, TResetScope Scope) {
  if (Scope == TResetScope::Text || Scope == TResetScope::All) {
    F.bold = F.italic = F.underline = F.sup = F.sub = F.strike = false;
    F.face = -1;
    F.color = "none";
    F.size = -1;
  }
  if (Scope == TResetScope::Par || Scope == TResetScope::All) {
    F.right = false;
    F.center = false;
  }
  if (Scope == TResetScope::All) F.table = tsNone;
}

void PushTag(TTagStack& Stack, int32_t Level, std::string_view OpenTag, std::string_view CloseTag) {
  Stack.Push(stackelem{std::string(OpenTag), std::string(CloseTag), Level});
}

void PopTag(TTagStack& Stack) {
  if (!Stack.Empty()) Stack.Pop();
}

std::string_view WrittenCloseTag(std::string_view CloseTag) {
  return CloseTag.starts_with("</FONT") ? std::string_view("</FONT>") : CloseTag;
}

std::string CloseAllTags(TTagStack& Stack) {
  std::string result;
  while (!Stack.Empty()) {
    result += WrittenCloseTag(Stack.Top().closetag);
    Stack.Pop();
  }
  return result;
}

std::string CloseTagsFromLevel(TTagStack& Stack, int32_t Level) {
  std::string result;
  while (!Stack.Empty() && Stack.Top().level >= Level) {
    result += WrittenCloseTag(Stack.Top().closetag);
    Stack.Pop();
  }
  return result;
}

namespace {

void ClearField(format& F, std::string_view CloseTag) {
  if (CloseTag == "</B>") F.bold = false;
  else if (CloseTag == "</I>") F.italic = false;
  else if (CloseTag == "</U>") F.underline = false;
  else if (CloseTag == "</SUP>") F.sup = false;
  else if (CloseTag == "</SUB>") F.sub = false;
  else if (CloseTag == "</S>") F.strike = false;
  else if (CloseTag == "</DIV>") F.right = false;
  else if (CloseTag == "</CENTER>") F.center = false;
  else if (CloseTag == "</FONT FACE>") F.face = -1;
  else if (CloseTag == "</FONT SIZE>") F.size = -1;
  else if (CloseTag == "</FONT COLOR>") F.color = "none";
}

}  // namespace

std::string CloseTags(TTagStack& Stack, format& F, std::span<const std::string_view> CloseList, int32_t Level) {
  std::string result;
  std::vector<stackelem> saved;  // in the order they were popped: the deepest is last
  size_t remaining = CloseList.size();
  while (!Stack.Empty() && remaining > 0 && Stack.Top().level == Level) {
    const stackelem& top = Stack.Top();
    result += WrittenCloseTag(top.closetag);
    ClearField(F, top.closetag);
    if (std::find(CloseList.begin(), CloseList.end(), std::string_view(top.closetag)) != CloseList.end()) {
      --remaining;
    } else {
      saved.push_back(top);
    }
    Stack.Pop();
  }
  for (auto it = saved.rbegin(); it != saved.rend(); ++it) {
    result += it->opentag;
    Stack.Push(std::move(*it));
  }
  return result;
}

}  // namespace pmrconv
