#pragma once
// Stand-ins for the registry and process start where there is no Windows.
//
// Registry: HKEY_LOCAL_MACHINE is a folder; a key is a folder below it, one folder per
// backslash-separated name, and a value is a regular file in the key's folder whose contents are
// its data, of type REG_SZ. Names match exactly (Windows matches them ignoring case). A path with
// an empty name, "." or ".." or a slash in a name opens nothing, so no path leaves the root.
//
// Process start: the command line is split into items by the same rules as vouninst's own
// command line, but no item is cut (CreateProcessA cuts nothing); the first item is the program,
// looked up in PATH unless it holds a slash, and started with posix_spawnp (no shell), in the
// caller's environment and folder.

#include <filesystem>
#include <memory>

#include "uVoUnInstaller.h"

namespace uVoUnInstaller {

// Folder that stands for HKEY_LOCAL_MACHINE in the program built for Linux.
inline constexpr const char* kFolderRegistryRoot = "/var/lib/vouninst/HKEY_LOCAL_MACHINE";

std::unique_ptr<TRegistry> MakeFolderRegistry(std::filesystem::path root);
std::unique_ptr<TLauncher> MakeSpawnLauncher();

}  // namespace uVoUnInstaller
