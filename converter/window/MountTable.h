#pragma once
// Linux's drives: one per mounted file system, read from the kernel's mount table.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "Drives.h"

namespace FileCtrl {

// One line of the mount table, escapes decoded.
struct TMount {
  std::string Device;
  std::string Root;
  std::string FileSystem;
};

// What the drive list asks of the machine about a mounted device; tests pass their own.
struct TDeviceProbe {
  std::function<bool(const std::string& device)> IsRemovable;
  std::function<std::string(const std::string& device)> Label;
};

// The mount table in the layout of /proc/self/mounts, one mount a line, in the order mounted.
std::vector<TMount> ParseMountTable(std::string_view text);

// One drive per mount point, sorted by root, leaving out kernel and system-area mounts (the "unknown"
// drives); a later mount on the same point hides an earlier one. The root "/" is always there.
std::vector<TDrive> DrivesFromMounts(const std::vector<TMount>& mounts, const TDeviceProbe& probe);

}  // namespace FileCtrl
