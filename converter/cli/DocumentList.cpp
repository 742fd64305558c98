#include "DocumentList.h"

#include <algorithm>
#include <exception>

#include "FileSystem.h"
#include "PageRules.h"

namespace Cli {

namespace {

bool HasRtfExtension(std::string_view Name) {
  constexpr std::string_view kExtension = ".rtf";
  if (Name.size() < kExtension.size()) return false;
  const std::string_view tail = Name.substr(Name.size() - kExtension.size());
  return std::equal(tail.begin(), tail.end(), kExtension.begin(), [](char a, char b) {
    return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
  });
}

std::string Join(const std::string& Folder, std::string_view Name) {
  if (Folder.empty()) return std::string(Name);
  if (Name.empty()) return Folder;
  const char last = Folder.back();
  return last == '/' || last == kSeparator ? Folder + std::string(Name) : Folder + kSeparator + std::string(Name);
}

// A file found below a -r FOLDER, by its path relative to FOLDER, or a folder below it that could not be read.
struct TFound {
  std::string Relative;
  std::string Problem;
};

void Walk(const std::string& Root, const std::string& Relative, std::vector<TFound>& Found) {
  std::vector<TFolderEntry> entries;
  try {
    entries = ListFolder(Join(Root, Relative));
  } catch (const std::exception& error) {
    Found.push_back({Relative, error.what()});
    return;
  }
  for (const TFolderEntry& entry : entries) {
    const std::string path = Join(Relative, entry.Name);
    if (entry.Folder) {
      Walk(Root, path, Found);
    } else if (entry.File && HasRtfExtension(entry.Name)) {
      Found.push_back({path, {}});
    }
  }
}

// Where the page of Source goes: its default destination, or with -d that destination's file name inside the
// page folder, below the folders of Relative (the path of a -r file below its FOLDER).
TDocument Place(const TCommandOptions& Options, const std::string& Source, const std::string& Relative) {
  TDocument document{Source, {}, {}, {}};
  if (Options.Dest) {
    document.Dest = *Options.Dest;
  } else if (Source == kStandardStream) {
    document.Dest = std::string(kStandardStream);
  } else if (!Options.PageFolder) {
    document.Dest = PageRules::PageNameFor(Source);
  } else {
    std::string folder = *Options.PageFolder;
    const std::string_view relative = Relative;
    const std::string_view folders = relative.substr(0, relative.size() - PageRules::FileNameOf(relative).size());
    for (size_t at = 0; at < folders.size();) {
      const size_t end = folders.find(kSeparator, at);  // folders ends with a separator
      folder = Join(folder, folders.substr(at, end - at));
      document.Folders.push_back(folder);
      at = end + 1;
    }
    document.Dest = Join(folder, PageRules::FileNameOf(PageRules::PageNameFor(Source)));
  }
  return document;
}

}  // namespace

std::vector<TDocument> ListDocuments(const TCommandOptions& Options) {
  std::vector<TDocument> documents;
  for (const TSourceArgument& argument : Options.Sources) {
    if (!argument.Folder) {
      for (const std::string& source : ExpandSourceArgument(argument.Path)) {
        documents.push_back(Place(Options, source, std::string(PageRules::FileNameOf(source))));
      }
      continue;
    }
    std::vector<TFound> found;
    Walk(argument.Path, {}, found);
    std::sort(found.begin(), found.end(), [](const TFound& a, const TFound& b) { return a.Relative < b.Relative; });
    for (const TFound& file : found) {
      const std::string source = Join(argument.Path, file.Relative);
      if (file.Problem.empty()) {
        documents.push_back(Place(Options, source, file.Relative));
      } else {
        documents.push_back({source, {}, {}, file.Problem});
      }
    }
  }
  return documents;
}

}  // namespace Cli
