#pragma once
// The documents of one run of pelmora-convert: what each SOURCE and -r FOLDER stands for, and where each page goes.

#include <string>
#include <vector>

#include "CommandOptions.h"

namespace Cli {

struct TDocument {
  std::string Source;                // a path, or "-" for standard input; also the page's title
  std::string Dest;                  // a path, or "-" for standard output
  std::vector<std::string> Folders;  // folders to make, outermost first, before the page is written
  std::string Problem;               // when not empty, the document fails with this message unconverted
  std::string EarlierSource;         // when not empty, the earlier document whose page Dest is: this one fails
};

// The documents Options name, in order: each SOURCE (with its wildcards expanded on Windows) and, for each -r
// FOLDER, every file below it whose name ends in ".rtf" in any letter case, in sorted path order. Links to folders
// are not followed. A folder or an entry that cannot be read or inspected, and an entry named ".rtf" that is not a
// regular file, becomes a document of its own that fails with the reason. A document whose destination an earlier
// one has already (names compared as the file system compares them) fails too, naming that earlier one.
std::vector<TDocument> ListDocuments(const TCommandOptions& Options);

}  // namespace Cli
