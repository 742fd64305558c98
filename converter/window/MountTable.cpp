// The drive list on Linux: mounted file systems from the kernel's mount table, with labels from udev's links.
#include "MountTable.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

namespace FileCtrl {

namespace {

// Kernel file systems that hold no user files: such mounts are drives of unknown type and are not listed.
constexpr std::string_view kPseudoFileSystems[] = {
    "autofs", "binfmt_misc", "bpf", "cgroup", "cgroup2", "configfs", "debugfs", "devpts", "devtmpfs",
    "efivarfs", "fuse.gvfsd-fuse", "fuse.portal", "fusectl", "hugetlbfs", "mqueue", "nsfs", "proc",
    "pstore", "rootfs", "rpc_pipefs", "securityfs", "selinuxfs", "sysfs", "tracefs", "fuse.lxcfs"};

constexpr std::string_view kNetworkFileSystems[] = {
    "nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs", "9p", "ceph", "glusterfs", "davfs",
    "fuse.sshfs", "sshfs", "fuse.rclone", "fuse.s3fs", "fuse.davfs2"};

constexpr std::string_view kOpticalFileSystems[] = {"iso9660", "udf"};
constexpr std::string_view kRamFileSystems[] = {"tmpfs", "ramfs"};

template <std::size_t N>
bool IsOneOf(const std::string_view (&names)[N], std::string_view name) {
  return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

// The system's own run-time areas hold mounts that are not the user's drives; mounted media under /run/media are.
bool IsSystemArea(std::string_view root) {
  for (std::string_view area : {"/proc", "/sys", "/dev", "/snap"})
    if (IsAtOrBelow(root, area)) return true;
  return IsAtOrBelow(root, "/run") && !IsAtOrBelow(root, "/run/media");
}

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

// The mount table writes blank, tab, newline and backslash as a backslash and three octal digits.
std::string DecodeField(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && IsOctal(field[i + 1]) && IsOctal(field[i + 2]) &&
        IsOctal(field[i + 3])) {
      out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

TDriveType TypeOf(const TMount& mount, const TDeviceProbe& probe) {
  if (IsOneOf(kNetworkFileSystems, mount.FileSystem)) return TDriveType::Network;
  if (IsOneOf(kOpticalFileSystems, mount.FileSystem)) return TDriveType::Optical;
  if (IsOneOf(kRamFileSystems, mount.FileSystem)) return TDriveType::Ram;
  if (probe.IsRemovable && probe.IsRemovable(mount.Device)) return TDriveType::Removable;
  return TDriveType::Fixed;
}

// udev escapes characters of a label in its link names as \xHH.
std::string DecodeUdevName(std::string_view name) {
  std::string out;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' && std::isxdigit(static_cast<unsigned char>(name[i + 2])) &&
        std::isxdigit(static_cast<unsigned char>(name[i + 3]))) {
      out += static_cast<char>(std::stoi(std::string(name.substr(i + 2, 2)), nullptr, 16));
      i += 3;
    } else {
      out += name[i];
    }
  }
  return out;
}

std::string CanonicalDevice(const std::string& device) {
  std::error_code error;
  const auto path = std::filesystem::canonical(device, error);
  return error ? device : path.string();
}

// A disk's "removable" flag in sysfs; a partition takes its disk's.
bool SysfsRemovable(const std::string& device) {
  if (device.rfind("/dev/", 0) != 0) return false;
  std::error_code error;
  const auto node = std::filesystem::canonical("/sys/class/block/" + CanonicalDevice(device).substr(5), error);
  if (error) return false;
  for (const auto& folder : {node, node.parent_path()}) {
    std::ifstream flag(folder / "removable");
    char value = 0;
    if (flag >> value) return value == '1';
  }
  return false;
}

std::string UdevLabel(const std::string& device) {
  static const std::map<std::string, std::string> labels = [] {
    std::map<std::string, std::string> byDevice;
    std::error_code error;
    for (const auto& link : std::filesystem::directory_iterator("/dev/disk/by-label", error)) {
      std::error_code linkError;
      const auto target = std::filesystem::canonical(link.path(), linkError);
      if (!linkError) byDevice[target.string()] = DecodeUdevName(link.path().filename().string());
    }
    return byDevice;
  }();
  const auto found = labels.find(CanonicalDevice(device));
  return found == labels.end() ? std::string() : found->second;
}

}  // namespace

std::vector<TMount> ParseMountTable(std::string_view text) {
  std::vector<TMount> mounts;
  std::istringstream lines{std::string(text)};
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string device, root, fileSystem;
    if (fields >> device >> root >> fileSystem)
      mounts.push_back({DecodeField(device), DecodeField(root), DecodeField(fileSystem)});
  }
  return mounts;
}

std::vector<TDrive> DrivesFromMounts(const std::vector<TMount>& mounts, const TDeviceProbe& probe) {
  std::map<std::string, const TMount*> visible;  // by root, so sorted; a later mount hides an earlier one
  for (const TMount& mount : mounts) visible[mount.Root] = &mount;
  std::vector<TDrive> drives;
  for (const auto& [root, mount] : visible) {
    if (IsOneOf(kPseudoFileSystems, mount->FileSystem) || IsSystemArea(root) || root.empty() || root[0] != '/')
      continue;
    TDrive drive{root, TypeOf(*mount, probe), {}, {}};
    if (drive.Type != TDriveType::Ram && probe.Label) drive.Label = probe.Label(mount->Device);
    if (drive.Type == TDriveType::Network) drive.NetworkName = mount->Device;
    drives.push_back(std::move(drive));
  }
  if (drives.empty() || drives.front().Root != "/") drives.insert(drives.begin(), TDrive{"/", TDriveType::Fixed, {}, {}});
  return drives;
}

std::vector<TDrive> SystemDrives() {
  std::ifstream table("/proc/self/mounts");
  const std::string text{std::istreambuf_iterator<char>(table), std::istreambuf_iterator<char>()};
  return DrivesFromMounts(ParseMountTable(text), TDeviceProbe{SysfsRemovable, UdevLabel});
}

}  // namespace FileCtrl
