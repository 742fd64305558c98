#pragma once
// Generated RTF documents for the converter's benchmarks and the side-by-side comparison: each kind stresses one
// construct the way word processors write it. The same arguments always give the same bytes.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pmrbench {

enum class TDocKind {
  Plain,         // paragraphs of running text, a few umlaut escapes
  Formatting,    // short bold, italic, underline, size and colour runs
  FontsColours,  // large font and colour tables, a face or colour change every few words
  Tables,        // rows of four cells with formatted text, a paragraph between tables
  Pictures,      // text with pictures in hexadecimal and \bin form
  Mixed,         // a letter-like mixture of all of the above, bookmarks and fields
  Unicode,       // Cyrillic and Japanese text as \uN with a "?" fallback, as Word writes letters beyond its code page
};

enum class TLineEnds {
  CrLf,    // lines of at most about 200 characters, as word processors write them
  LfOnly,  // the same document with LF alone, as Linux and macOS writers end their lines
};

// All kinds, in the order the benchmark lists them.
std::span<const TDocKind> AllDocKinds();
std::string_view DocKindName(TDocKind Kind);
std::optional<TDocKind> ParseDocKind(std::string_view Name);

// A complete document of at least Bytes bytes (a little more: the last paragraph and the closing brace).
std::string GenerateRtf(TDocKind Kind, size_t Bytes, TLineEnds Ends);

}  // namespace pmrbench
