#include "DocumentList.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <unordered_map>

#include "FileSystem.h"
#include "PathNames.h"
#include "pmrconv.h"

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

using PathNames::FileNameOf;
using PathNames::JoinPath;
using PathNames::PageNameFor;

// A file found below a -r FOLDER, by its path relative to FOLDER, or a folder below it that could not be read.
struct TFound {
  std::string Relative;
  std::string Problem;
};

// Why an entry of a -r walk cannot be converted, or empty when it can or is not a document at all. An entry that
// could not be inspected might be a folder or a document, so it is always reported.
std::string ProblemOf(const FileSystem::TFolderEntry& Entry) {
  using FileSystem::TEntryKind;
  if (Entry.Kind == TEntryKind::Unknown) return pmrconv::EInOutError(Entry.Error).Message();
  if (!HasRtfExtension(Entry.Name) || Entry.Kind == TEntryKind::File || Entry.Kind == TEntryKind::Folder) return {};
  if (Entry.Error != 0) return pmrconv::EInOutError(Entry.Error).Message();  // a dangling link, a loop of links
  return "not a regular file, not read";  // a pipe or a device, whose reading could block
}

void Walk(const std::string& Root, const std::string& Relative, std::vector<TFound>& Found) {
  std::vector<FileSystem::TFolderEntry> entries;
  try {
    entries = FileSystem::ReadFolder(JoinPath(Root, Relative));
  } catch (const std::exception& error) {
    Found.push_back({Relative, error.what()});
    return;
  }
  for (const FileSystem::TFolderEntry& entry : entries) {
    const std::string path = JoinPath(Relative, entry.Name);
    if (std::string problem = ProblemOf(entry); !problem.empty()) {
      Found.push_back({path, std::move(problem)});
    } else if (entry.Kind == FileSystem::TEntryKind::Folder && !entry.Link) {
      Walk(Root, path, Found);
    } else if (entry.Kind == FileSystem::TEntryKind::File && HasRtfExtension(entry.Name)) {
      Found.push_back({path, {}});
    }
  }
}

// How the file system compares destinations: exactly on Linux; on Windows with letter case ignored and "/" as
// "\".
std::string DestKey(std::string_view Dest) {
#ifdef _WIN32
  std::string key(Dest);
  for (char& c : key) c = c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return key;
#else
  return std::string(Dest);
#endif
}

// Every destination is written once: a later document with the destination of an earlier one fails.
void RefuseSecondPages(std::vector<TDocument>& Documents) {
  std::unordered_map<std::string, const TDocument*> first;
  for (TDocument& document : Documents) {
    if (!document.Problem.empty() || document.Dest == kStandardStream) continue;
    const auto [earlier, added] = first.emplace(DestKey(document.Dest), &document);
    if (added) continue;
    document.EarlierSource = earlier->second->Source;
  }
}

// Where the page of Source goes: its default destination, or with -d that destination's file name inside the
// page folder, below the folders of Relative (the path of a -r file below its FOLDER).
TDocument Place(const TCommandOptions& Options, const std::string& Source, const std::string& Relative) {
  TDocument document{Source, {}, {}, {}, {}};
  if (Options.Dest) {
    document.Dest = *Options.Dest;
  } else if (Source == kStandardStream) {
    document.Dest = std::string(kStandardStream);
  } else if (!Options.PageFolder) {
    document.Dest = PageNameFor(Source);
  } else {
    std::string folder = *Options.PageFolder;
    const std::string_view folders = PathNames::FolderOf(Relative);
    // Every step moves past a separator or to the end, so the walk always ends.
    for (auto at = folders.begin(); at != folders.end();) {
      const auto end = std::find_if(at, folders.end(), PathNames::IsSeparator);
      folder = JoinPath(folder, std::string_view(at, end));
      document.Folders.push_back(folder);
      at = end == folders.end() ? end : end + 1;
    }
    document.Dest = JoinPath(folder, FileNameOf(PageNameFor(Source)));
  }
  return document;
}

}  // namespace

std::vector<TDocument> ListDocuments(const TCommandOptions& Options) {
  std::vector<TDocument> documents;
  for (const TSourceArgument& argument : Options.Sources) {
    if (!argument.Folder) {
      for (const std::string& source : FileSystem::ExpandWildcards(argument.Path)) {
        documents.push_back(Place(Options, source, std::string(FileNameOf(source))));
      }
      continue;
    }
    std::vector<TFound> found;
    Walk(argument.Path, {}, found);
    std::sort(found.begin(), found.end(), [](const TFound& a, const TFound& b) { return a.Relative < b.Relative; });
    for (const TFound& file : found) {
      const std::string source = JoinPath(argument.Path, file.Relative);
      if (file.Problem.empty()) {
        documents.push_back(Place(Options, source, file.Relative));
      } else {
        documents.push_back({source, {}, {}, file.Problem, {}});
      }
    }
  }
  RefuseSecondPages(documents);
  return documents;
}

}  // namespace Cli
