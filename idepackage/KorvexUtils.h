#pragma once
// Identifier search in editor text: the identifier at a position, whole-word case-insensitive
// search in either direction, and the line and column of a position. Pure functions over one text;
// positions count from 1, and reading outside 1..n yields a separator. Out-parameters are written
// only where each function says.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace KorvexUtils {

// Shape of an editor reader's text call: copies up to Count characters of the text, starting at the
// 0-based ZeroBasedPosition, into Buffer, and returns the number copied.
using TGetTextProc = std::function<int32_t(int32_t ZeroBasedPosition, char* Buffer, int32_t Count)>;

// The identifier that contains Pos or ends directly before it. On success writes Start and Len.
bool CurrentIdent(std::string_view Text, int32_t Pos, int32_t& Start, int32_t& Len);

// Walks from Pos one position at a time until CurrentIdent succeeds (writing Start and Len) or the
// walk leaves the text.
bool FindNeibIdent(std::string_view Text, int32_t Pos, bool Backward, int32_t& Start, int32_t& Len);

// The whole-word occurrence of Ident whose start is nearest to Pos in the direction given, Pos
// itself excluded; no wrap-around. Writes FoundPos only on success.
bool FindTextIdent(std::string Ident, std::string_view Text, int32_t Pos, bool Backward, int32_t& FoundPos);

// The next (or previous) occurrence of the identifier at Pos. Whenever there is an identifier at Pos
// it writes Len and Ident (as spelled in the text); FoundPos only when another occurrence is found.
bool FindIdentAtPos(std::string_view Text, int32_t Pos, bool Backward, int32_t& FoundPos, int32_t& Len,
                    std::string& Ident);

// Line (from 1) and column (characters since the line's start, from 0) of Pos. A CR, or a CR LF
// pair, breaks a line; a lone LF does not.
void FindCharPos(std::string_view Text, int32_t Pos, int32_t& Line, int32_t& Col);

}  // namespace KorvexUtils
