#pragma once
// The stack of HTML tags a reading scope has open, and closing them in the order HTML needs.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pmrconv/Format.h"

namespace pmrconv {

// One open tag. closetag is one of "</B>", "</I>", "</U>", "</SUP>", "</SUB>", "</S>", "</CENTER>", "</DIV>",
// "</FONT FACE>", "</FONT SIZE>", "</FONT COLOR>"; the three font kinds are written "</FONT>".
struct stackelem {
  std::string opentag;
  std::string_view closetag;  // refers to the tag table's text, or for any other tag to the stack's own copy
  int32_t level = 0;          // group level at which the tag was opened (0 in the group reader)
};

// A stack of open tags owned by one scope; the top is the most recently opened tag.
class TTagStack {
public:
  TTagStack() = default;
  // Not copied: the elements' closing tags may refer to the stack's own storage, which moves along with it.
  TTagStack(const TTagStack&) = delete;
  TTagStack& operator=(const TTagStack&) = delete;
  TTagStack(TTagStack&&) = default;
  TTagStack& operator=(TTagStack&&) = default;

  bool Empty() const noexcept { return FItems.empty(); }
  size_t Size() const noexcept { return FItems.size(); }
  const stackelem& Top() const { return FItems.back(); }
  // Element Index counted from the bottom (0 is the deepest).
  const stackelem& operator[](size_t Index) const { return FItems[Index]; }
  void Push(stackelem Element) { FItems.push_back(std::move(Element)); }
  void Pop() { FItems.pop_back(); }
  void Clear() noexcept {
    FItems.clear();
    FOtherCloseTags.clear();
  }
  // CloseTag as a view that lives as long as the stack: the tag table's own text for the known tags, otherwise a
  // copy the stack keeps (the readers only ever push the known ones).
  std::string_view LastingCloseTag(std::string_view CloseTag);

private:
  std::vector<stackelem> FItems;
  std::vector<std::unique_ptr<std::string>> FOtherCloseTags;  // each on its own, so that views stay valid
};

// Puts a new element on top.
void PushTag(TTagStack& Stack, int32_t Level, std::string OpenTag, std::string_view CloseTag);
// Removes the top element.
void PopTag(TTagStack& Stack);
// The closing tag as it is written: any "</FONT..." kind becomes "</FONT>".
std::string_view WrittenCloseTag(std::string_view CloseTag);
// Pops every element and returns their closing tags, top first. The format is not touched.
std::string CloseAllTags(TTagStack& Stack);
// Pops and closes the elements on top whose level is Level or more; stops at the first of a lower level.
std::string CloseTagsFromLevel(TTagStack& Stack, int32_t Level);
// Closes the tags of CloseList that were opened at Level, clearing the fields of F for every tag it closes, and
// reopens the others it had to close on the way, deepest first.
std::string CloseTags(TTagStack& Stack, format& F, std::span<const std::string_view> CloseList, int32_t Level);
inline std::string CloseTags(TTagStack& Stack, format& F, std::initializer_list<std::string_view> CloseList,
                             int32_t Level) {
  return CloseTags(Stack, F, std::span<const std::string_view>(CloseList.begin(), CloseList.size()), Level);
}

}  // namespace pmrconv
