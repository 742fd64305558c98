// The drives on POSIX: the mount points of the kernel's mount table (MountTable.cpp).
#include "Drives.h"

namespace FileCtrl {

std::string DriveRootOf(const std::string& folder) {
  const std::vector<TDrive> drives = SystemDrives();
  const int drive = DriveOf(drives, folder);
  return drive < 0 ? "/" : drives[static_cast<std::size_t>(drive)].Root;
}

std::string DriveName(const std::string& root) {
  return root;
}

}  // namespace FileCtrl
