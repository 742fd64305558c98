#include "pmrconv/TagStack.h"

#include <algorithm>
#include <functional>
#include <set>

#include "pmrconv/TagTable.h"

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

namespace {

// The closing tag as a view of storage that outlives every stack: one of the known tags, or for any other text
// a copy kept for the rest of the process (the readers only ever push the known ones).
std::string_view LastingCloseTag(std::string_view CloseTag) {
  if (const TTagKind* kind = TagKindOfClose(CloseTag)) return kind->CloseTag;
  static std::set<std::string, std::less<>> others;
  return *others.emplace(CloseTag).first;
}

}  // namespace

void PushTag(TTagStack& Stack, int32_t Level, std::string OpenTag, std::string_view CloseTag) {
  Stack.Push(stackelem{std::move(OpenTag), LastingCloseTag(CloseTag), Level});
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

bool Names(std::span<const std::string_view> CloseList, std::string_view CloseTag) {
  return std::find(CloseList.begin(), CloseList.end(), CloseTag) != CloseList.end();
}

}  // namespace

bool IsOpenAtLevel(const TTagStack& Stack, std::string_view CloseTag, int32_t Level) {
  for (size_t i = Stack.Size(); i > 0 && Stack[i - 1].level == Level; --i) {
    if (Stack[i - 1].closetag == CloseTag) return true;
  }
  return false;
}

std::string CloseTags(TTagStack& Stack, format& F, std::span<const std::string_view> CloseList, int32_t Level) {
  // Only as many pops as there are named tags open at the level: a tag that is not open would otherwise take the
  // whole level down and back up with it, and over a long run of such words the page would grow without bound.
  size_t remaining = 0;
  for (size_t i = Stack.Size(); i > 0 && Stack[i - 1].level == Level && remaining < CloseList.size(); --i) {
    if (Names(CloseList, Stack[i - 1].closetag)) ++remaining;
  }
  std::string result;
  std::vector<stackelem> saved;  // in the order they were popped: the deepest is last
  while (remaining > 0 && !Stack.Empty()) {
    const stackelem& top = Stack.Top();
    result += WrittenCloseTag(top.closetag);
    if (Names(CloseList, top.closetag)) {
      // Only a tag that stays closed leaves the format; one that is reopened below is still in force.
      if (const TTagKind* kind = TagKindOfClose(top.closetag)) ClearField(F, kind->Field);
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
