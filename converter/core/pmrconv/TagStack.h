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
  // A copy keeps copies of its own of the closing tags that the tag table does not hold.
  TTagStack(const TTagStack& Other) {
    for (const stackelem& element : Other.FItems) Push(element);
  }
  TTagStack& operator=(const TTagStack& Other) {
    if (this != &Other) *this = TTagStack(Other);
    return *this;
  }
  TTagStack(TTagStack&&) = default;
  TTagStack& operator=(TTagStack&&) = default;

  bool Empty() const noexcept { return FItems.empty(); }
  size_t Size() const noexcept { return FItems.size(); }
  const stackelem& Top() const { return FItems.back(); }
  // Element Index counted from the bottom (0 is the deepest).
  const stackelem& operator[](size_t Index) const { return FItems[Index]; }
  // Element's closing tag may come from another stack: the view is made to refer to storage of this one.
  void Push(stackelem Element) {
    Element.closetag = LastingCloseTag(Element.closetag);
    FItems.push_back(std::move(Element));
  }
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
// Whether a tag with CloseTag is among the elements of Level on top of the stack.
bool IsOpenAtLevel(const TTagStack& Stack, std::string_view CloseTag, int32_t Level);
// Closes the tags of CloseList that are open at Level, clearing their fields in F, and reopens the others it had to
// close on the way, deepest first; those keep their fields. Writes and changes nothing when none of them is open.
std::string CloseTags(TTagStack& Stack, format& F, std::span<const std::string_view> CloseList, int32_t Level);
inline std::string CloseTags(TTagStack& Stack, format& F, std::initializer_list<std::string_view> CloseList,
                             int32_t Level) {
  return CloseTags(Stack, F, std::span<const std::string_view>(CloseList.begin(), CloseList.size()), Level);
}

}  // namespace pmrconv
