#pragma once
// The formatting in force in one reading scope and the stack of HTML tags it has open.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pmrconv {

// State of the table reader; tsNone outside tables.
enum TTableState : int32_t { tsNone = 0, tsFirstCell = 1, tsCell = 2, tsRowEnd = 3 };

// What is open in one scope. The member initialisers are the reset values.
struct format {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool sup = false;
  bool sub = false;
  bool strike = false;
  int32_t face = -1;       // font number of the open face tag, -1 when none
  std::string color = "none";  // #RRGGBB of the open colour tag
  int32_t size = -1;       // points of the open size tag, -1 when none
  bool right = false;
  bool center = false;
  TTableState table = tsNone;

  bool operator==(const format&) const = default;
};

enum class TResetScope { Text, Par, All };

// Resets the character fields (Text), the alignment fields (Par) or all of them and the table state (All).
void ResetFormat(format& F, TResetScope Scope);

// One open tag. closetag is one of "</B>", "</I>", "</U>", "</SUP>", "</SUB>", "</S>", "</CENTER>", "</DIV>",
// "</FONT FACE>", "</FONT SIZE>", "</FONT COLOR>"; the three font kinds are written "</FONT>".
struct stackelem {
  std::string opentag;
  std::string_view closetag;  // refers to storage that lives as long as the process (PushTag sees to it)
  int32_t level = 0;          // group level at which the tag was opened (0 in the group reader)
};

// A stack of open tags owned by one scope; the top is the most recently opened tag.
class TTagStack {
public:
  bool Empty() const noexcept { return FItems.empty(); }
  size_t Size() const noexcept { return FItems.size(); }
  const stackelem& Top() const { return FItems.back(); }
  // Element Index counted from the bottom (0 is the deepest).
  const stackelem& operator[](size_t Index) const { return FItems[Index]; }
  void Push(stackelem Element) { FItems.push_back(std::move(Element)); }
  void Pop() { FItems.pop_back(); }
  void Clear() noexcept { FItems.clear(); }

private:
  std::vector<stackelem> FItems;
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
