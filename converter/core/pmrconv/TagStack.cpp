#include "pmrconv/TagStack.h"

#include <algorithm>

#include "pmrconv/TagTable.h"

namespace pmrconv {

std::string_view TTagStack::LastingCloseTag(std::string_view CloseTag) {
  if (const TTagKind* kind = TagKindOfClose(CloseTag)) return kind->CloseTag;
  for (const std::unique_ptr<std::string>& other : FOtherCloseTags) {
    if (*other == CloseTag) return *other;
  }
  return *FOtherCloseTags.emplace_back(std::make_unique<std::string>(CloseTag));
}

void PushTag(TTagStack& Stack, int32_t Level, std::string OpenTag, std::string_view CloseTag) {
  Stack.Push(stackelem{std::move(OpenTag), Stack.LastingCloseTag(CloseTag), Level});
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

std::string CloseTags(TTagStack& Stack, format& F, std::span<const std::string_view> CloseList, int32_t Level) {
  std::string result;
  std::vector<stackelem> saved;  // in the order they were popped: the deepest is last
  size_t remaining = CloseList.size();
  while (!Stack.Empty() && remaining > 0 && Stack.Top().level == Level) {
    const stackelem& top = Stack.Top();
    result += WrittenCloseTag(top.closetag);
    if (const TTagKind* kind = TagKindOfClose(top.closetag)) ClearField(F, kind->Field);
    if (std::find(CloseList.begin(), CloseList.end(), top.closetag) != CloseList.end()) {
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
