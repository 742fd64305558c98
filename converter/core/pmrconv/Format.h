#pragma once
// The formatting in force in one reading scope: which tags it has open, and the table reader's state. The bottom of
// the core: it includes nothing of the converter's own.

#include <cstdint>
#include <string>

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
  int32_t face = -1;           // font number of the open face tag, -1 when none
  std::string color = "none";  // #RRGGBB of the open colour tag
  int32_t size = -1;           // points of the open size tag, -1 when none
  bool right = false;
  bool center = false;
  TTableState table = tsNone;

  bool operator==(const format&) const = default;
};

enum class TResetScope { Text, Par, All };

// Resets the character fields (Text), the alignment fields (Par) or all of them and the table state (All).
inline void ResetFormat(format& F, TResetScope Scope) {
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

}  // namespace pmrconv
