#pragma once
// pmrconv: converts a Rich Text Format document into a simple upper-case HTML page.
//
// Every conversion runs in a conversion context (TConversionContext) that the caller creates and keeps: the font
// table read from one document stays in it for the next document converted with it. Conversions in different
// contexts may run at once, in different threads. The routines of the readers are declared in the headers under
// pmrconv/.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "pmrconv/Context.h"
#include "pmrconv/Errors.h"

namespace pmrconv {

// The kind of page a conversion writes.
enum class TPageKind : uint8_t {
  EightBit,  // the window's page: 8-bit characters as the document has them, \uN as its fallback, no charset
  Utf8,      // every character of the document in UTF-8, declared in the head
};

// How a conversion writes its page; the defaults are the window's.
struct TConvertOptions {
  TPageKind Page = TPageKind::EightBit;
};

// Converts the RTF file SourceName into the HTML file DestName, which is created or replaced; the page title is
// SourceName exactly as passed. Raises EInOutError when a file cannot be opened, read, written or closed (then
// nothing of a destination that could not be opened is touched, and a destination that is the source itself is
// refused with code 32). Raises EConvertError or EListError when the document holds a number that does not convert
// or a colour reference that the colour table cannot answer; the page then holds everything written so far
// followed by its tail. Both files are closed on every path.
void ConvertFile(TConversionContext& Context, const std::string& SourceName, const std::string& DestName,
                 const TConvertOptions& Options = {});

// One end of a conversion: a file by name, or the process's standard input (as the source) or standard output (as
// the destination), which the conversion reads or writes but leaves open.
struct TDocumentEnd {
  std::string Name;  // the file's name; empty for a standard stream
  bool Standard = false;

  static TDocumentEnd File(std::string Name) { return {std::move(Name), false}; }
  static TDocumentEnd StandardStream() { return {{}, true}; }
};

// As above between any two ends, the page titled Title. Standard input is read to its end. Standard output is
// refused with code 32 when it is the source file itself (the page appended to the document being read).
void ConvertFile(TConversionContext& Context, const TDocumentEnd& Source, const TDocumentEnd& Dest,
                 const std::string& Title, const TConvertOptions& Options = {});

// The same conversion of a document held in memory. Returns the whole page.
// Raises as ConvertFile does; use the overload below to keep the partly written page.
std::string ConvertText(TConversionContext& Context, std::string_view Source, const std::string& Title,
                        const TConvertOptions& Options = {});

// As above, with the page written into Page (replacing its contents). When an error propagates, Page holds the
// partly written page with its tail, as a destination file would.
void ConvertText(TConversionContext& Context, std::string_view Source, const std::string& Title, std::string& Page,
                 const TConvertOptions& Options = {});

}  // namespace pmrconv
