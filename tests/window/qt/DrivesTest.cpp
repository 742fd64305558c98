#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileCtrlQt.h"
#include "MountTable.h"

using FileCtrl::TDrive;
using FileCtrl::TDriveType;

namespace {

const char* const kMountTable =
    "proc /proc proc rw,nosuid 0 0\n"
    "sysfs /sys sysfs rw 0 0\n"
    "tmpfs /run tmpfs rw 0 0\n"
    "tmpfs /run/user/1000 tmpfs rw 0 0\n"
    "/dev/sdb1 /run/media/ann/STICK vfat rw 0 0\n"
    "/dev/sda2 / ext4 rw 0 0\n"
    "/dev/sda3 /home ext4 rw 0 0\n"
    "/dev/sda4 /home xfs rw 0 0\n"
    "/dev/sr0 /mnt/My\\040Disc iso9660 ro 0 0\n"
    "//Server/Share /mnt/share cifs rw 0 0\n"
    "tmpfs /scratch tmpfs rw 0 0\n"
    "cgroup2 /opt/cg cgroup2 rw 0 0\n";

FileCtrl::TDeviceProbe FakeProbe() {
  return {[](const std::string& device) { return device == "/dev/sdb1"; },
          [](const std::string& device) -> std::string {
            if (device == "/dev/sda2") return "System";
            if (device == "/dev/sdb1") return "STICK";
            if (device == "/dev/sr0") return "My Disc";
            return "";
          }};
}

std::vector<std::string> Captions(const std::vector<TDrive>& drives) {
  std::vector<std::string> captions;
  for (const TDrive& drive : drives) captions.push_back(FileCtrl::DriveCaption(drive));
  return captions;
}

}  // namespace

TEST(DriveList, ListsUserMountsSortedByRootWithTheirCaptions) {
  const auto drives = FileCtrl::DrivesFromMounts(FileCtrl::ParseMountTable(kMountTable), FakeProbe());
  EXPECT_EQ(Captions(drives), (std::vector<std::string>{"/ [System]", "/home", "/mnt/My Disc [My Disc]",
                                                         "/mnt/share //server/share", "/run/media/ann/STICK",
                                                         "/scratch"}));
  ASSERT_EQ(drives.size(), 6u);
  EXPECT_EQ(drives[1].Type, TDriveType::Fixed);
  EXPECT_EQ(drives[2].Type, TDriveType::Optical);
  EXPECT_EQ(drives[3].Type, TDriveType::Network);
  EXPECT_EQ(drives[4].Type, TDriveType::Removable);
  EXPECT_EQ(drives[5].Type, TDriveType::Ram);
}

TEST(DriveList, ALaterMountOnTheSamePointHidesTheEarlierOne) {
  const auto drives = FileCtrl::DrivesFromMounts(
      FileCtrl::ParseMountTable("/dev/sda2 / ext4 rw 0 0\n/dev/sdb1 /data ext4 rw 0 0\n"
                                "server:/export /data nfs4 rw 0 0\n"),
      FakeProbe());
  ASSERT_EQ(drives.size(), 2u);
  EXPECT_EQ(drives[1].Type, TDriveType::Network);
  EXPECT_EQ(FileCtrl::DriveCaption(drives[1]), "/data server:/export");
}

TEST(DriveList, AlwaysHasTheRoot) {
  const auto drives = FileCtrl::DrivesFromMounts(FileCtrl::ParseMountTable("proc /proc proc rw 0 0\n"), {});
  ASSERT_EQ(drives.size(), 1u);
  EXPECT_EQ(drives[0].Root, "/");
}

TEST(DriveCaption, NetworkDriveWithoutANameShowsItsLabelInLowerCase) {
  EXPECT_EQ(FileCtrl::DriveCaption({"/net", TDriveType::Network, "ARCHIV", ""}), "/net [archiv]");
  EXPECT_EQ(FileCtrl::DriveCaption({"/net", TDriveType::Network, "", ""}), "/net");
}

TEST(DriveOf, PicksTheLongestRootAboveTheFolderByWholeNames) {
  const std::vector<TDrive> drives = {{"/", TDriveType::Fixed, "", ""}, {"/home", TDriveType::Fixed, "", ""},
                                      {"/home/ann/usb", TDriveType::Removable, "", ""}};
  EXPECT_EQ(FileCtrl::DriveOf(drives, "/homes/x"), 0);
  EXPECT_EQ(FileCtrl::DriveOf(drives, "/home"), 1);
  EXPECT_EQ(FileCtrl::DriveOf(drives, "/home/ann/usb/docs"), 2);
  EXPECT_EQ(FileCtrl::DriveOf({}, "/"), -1);
}
