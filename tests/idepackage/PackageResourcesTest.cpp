// The package's resources as a host reads them through the package's look-up by name.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "PackageLibrary.h"
#include "VersionReader.h"

using namespace testhost;

namespace {

uint32_t U32At(std::span<const uint8_t> bytes, size_t at) {
  return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (static_cast<uint32_t>(bytes[at + 3]) << 24);
}
uint32_t U16At(std::span<const uint8_t> bytes, size_t at) { return bytes[at] | (bytes[at + 1] << 8); }

// A zero-terminated 8-bit string at at; moves at past the terminator.
std::string CStringAt(std::span<const uint8_t> bytes, size_t& at) {
  std::string text;
  while (bytes[at] != 0) text += static_cast<char>(bytes[at++]);
  ++at;
  return text;
}

class PackageResources : public testing::Test {
 protected:
  TPackageLibrary FPackage{KORVEX50_PATH};
};

}  // namespace

TEST_F(PackageResources, DescriptionIsZeroTerminatedUtf16) {
  const auto bytes = FPackage.Resource("DESCRIPTION");
  ASSERT_GE(bytes.size(), 4u);
  ASSERT_EQ(bytes.size() % 2, 0u);
  std::string text;
  for (size_t i = 0; i + 2 < bytes.size(); i += 2) {
    EXPECT_EQ(bytes[i + 1], 0);  // ASCII only
    text += static_cast<char>(bytes[i]);
  }
  EXPECT_EQ(U16At(bytes, bytes.size() - 2), 0u);
  EXPECT_EQ(text.rfind("Korvex expert", 0), 0u) << text;
  EXPECT_GT(text.size(), std::strlen("Korvex expert")) << "with an author credit";
}

TEST_F(PackageResources, PackageInfoListsRequiredPackageAndUnits) {
  const auto bytes = FPackage.Resource("PACKAGEINFO");
  ASSERT_GE(bytes.size(), 12u);
  EXPECT_EQ(U32At(bytes, 0), 0x4C000003u);
  ASSERT_EQ(U32At(bytes, 4), 1u);
  size_t at = 9;  // after the name hash
  EXPECT_EQ(CStringAt(bytes, at), "vcl50");
  ASSERT_EQ(U32At(bytes, at), 5u);
  at += 4;
  const std::pair<int, const char*> units[] = {
      {3, "Korvex50"}, {0, "KorvexOTAUtils"}, {0, "KorvexUtils"}, {0, "SysInit"}, {0, "KorvexOTA50"}};
  for (const auto& [flags, name] : units) {
    EXPECT_EQ(bytes[at], flags) << name;
    at += 2;  // flags and name hash
    EXPECT_EQ(CStringAt(bytes, at), name);
  }
  EXPECT_EQ(bytes.size() % 4, 0u);
  for (; at < bytes.size(); ++at) EXPECT_EQ(bytes[at], 0) << "fill at " << at;
}

TEST_F(PackageResources, PackageOptionsHoldTheirFieldsIn144Bytes) {
  const auto bytes = FPackage.Resource("PACKAGEOPTIONS");
  ASSERT_EQ(bytes.size(), 144u);
  EXPECT_EQ(U32At(bytes, 28), 16384u);
  EXPECT_EQ(U32At(bytes, 32), 1048576u);
  EXPECT_EQ(U32At(bytes, 36), 0x400000u);
  EXPECT_EQ(bytes[40], 0);
  const std::string aliases = "WinTypes=Windows;WinProcs=Windows;DbiTypes=BDE;DbiProcs=BDE;DbiErrs=BDE;";
  ASSERT_EQ(bytes[41], aliases.size());
  EXPECT_EQ(std::string(bytes.begin() + 42, bytes.begin() + 42 + static_cast<ptrdiff_t>(aliases.size())), aliases);
  const size_t descriptionAt = 42 + aliases.size();
  const size_t descriptionLength = bytes[descriptionAt];
  ASSERT_EQ(descriptionAt + 1 + descriptionLength + 2, 144u);
  const std::string description(bytes.begin() + static_cast<ptrdiff_t>(descriptionAt + 1),
                                bytes.begin() + static_cast<ptrdiff_t>(descriptionAt + 1 + descriptionLength));
  EXPECT_EQ(description.rfind("Korvex expert", 0), 0u);
  EXPECT_EQ(U16At(bytes, 142), 0u);
}

TEST_F(PackageResources, VersionRecordIsRussianCodePage1251Version1000) {
  const auto bytes = FPackage.Resource("VERSION");
  const TVersionBlock root = ReadVersionRecord(bytes);
  EXPECT_EQ(U16At(bytes, 0), bytes.size());
  EXPECT_EQ(root.Key, "VS_VERSION_INFO");
  ASSERT_EQ(root.Value.size(), 52u);
  EXPECT_EQ(U32At(root.Value, 0), 0xFEEF04BDu);
  EXPECT_EQ(U32At(root.Value, 8), 0x00010000u);  // file version 1.0 ...
  EXPECT_EQ(U32At(root.Value, 12), 0u);          // ... .0.0

  const TVersionBlock& table = root.Child("StringFileInfo").Child("041904E3");
  EXPECT_EQ(table.Child("FileVersion").Text(), "1.0.0.0");
  EXPECT_EQ(table.Child("ProductVersion").Text(), "1.0.0.0");
  for (const TVersionBlock& entry : table.Children) {
    EXPECT_EQ(entry.Type, 1);
    if (entry.Key != "FileVersion" && entry.Key != "ProductVersion") {
      EXPECT_EQ(entry.Text(), "") << entry.Key;
    }
  }
  const TVersionBlock& translation = root.Child("VarFileInfo").Child("Translation");
  ASSERT_EQ(translation.Value.size(), 4u);
  EXPECT_EQ(U16At(translation.Value, 0), 0x0419u);
  EXPECT_EQ(U16At(translation.Value, 2), 1251u);
}

TEST_F(PackageResources, MainIconIsOne32By32ImageIn16Colours) {
  const auto bytes = FPackage.Resource("MAINICON");
  ASSERT_EQ(bytes.size(), 6u + 16u + 40u + 64u + 512u + 128u);
  EXPECT_EQ(U16At(bytes, 2), 1u);  // an icon
  EXPECT_EQ(U16At(bytes, 4), 1u);  // one image
  EXPECT_EQ(bytes[6], 32);
  EXPECT_EQ(bytes[7], 32);
  EXPECT_EQ(bytes[8], 16);
  EXPECT_EQ(U32At(bytes, 14), bytes.size() - 22);
  EXPECT_EQ(U32At(bytes, 18), 22u);
  EXPECT_EQ(U32At(bytes, 22), 40u);
  EXPECT_EQ(U32At(bytes, 26), 32u);
  EXPECT_EQ(U32At(bytes, 30), 64u);  // colour bits and mask
  EXPECT_EQ(U16At(bytes, 36), 4u);   // bits a pixel

  const auto colourBits = bytes.subspan(22 + 40 + 64, 512);
  const auto mask = bytes.subspan(22 + 40 + 64 + 512, 128);
  bool colours[16] = {};
  for (const uint8_t pair : colourBits) colours[pair >> 4] = colours[pair & 15] = true;
  EXPECT_GE(std::count(std::begin(colours), std::end(colours), true), 3);
  EXPECT_TRUE(std::any_of(mask.begin(), mask.end(), [](uint8_t b) { return b != 0; })) << "some transparency";
  EXPECT_TRUE(std::any_of(mask.begin(), mask.end(), [](uint8_t b) { return b != 0xFF; })) << "something drawn";
}

TEST_F(PackageResources, NamesIgnoreCaseAndUnknownNamesGiveNothing) {
  EXPECT_EQ(FPackage.Resource("packageinfo").data(), FPackage.Resource("PACKAGEINFO").data());
  EXPECT_TRUE(FPackage.Resource("PACKAGE").empty());
  EXPECT_TRUE(FPackage.Resource("PACKAGEINFOS").empty());
  EXPECT_TRUE(FPackage.Resource(nullptr).empty());
}
