// The package as a Windows library: its resource section holds the bytes it serves, Windows reads its
// version record, and a resource module beside it is used while it is loaded and freed after.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include <korvex50/LibModules.h>
#include "PackageLibrary.h"

using namespace testhost;

namespace {

std::string Utf16Text(std::span<const uint8_t> bytes) {
  std::string text;
  for (size_t i = 0; i + 1 < bytes.size() && (bytes[i] != 0 || bytes[i + 1] != 0); i += 2) {
    text += static_cast<char>(bytes[i]);
  }
  return text;
}

bool IsMapped(const void* address) {
  MEMORY_BASIC_INFORMATION info{};
  return VirtualQuery(address, &info, sizeof info) == sizeof info && info.State != MEM_FREE;
}

// The version record's string of that name, read by Windows itself.
std::string VersionString(const std::string& path, const std::string& name) {
  DWORD ignored = 0;
  std::vector<char> record(GetFileVersionInfoSizeA(path.c_str(), &ignored));
  if (record.empty() || !GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(record.size()), record.data())) {
    return "(no version record)";
  }
  char* value = nullptr;
  UINT length = 0;
  const std::string query = "\\StringFileInfo\\041904E3\\" + name;
  if (!VerQueryValueA(record.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) return "(none)";
  return std::string(value, length > 0 ? length - 1 : 0);
}

}  // namespace

TEST(Korvex50Dll, ResourceSectionHoldsTheBytesThePackageServes) {
  TPackageLibrary package(KORVEX50_PATH);
  for (const char* name : {"DESCRIPTION", "PACKAGEINFO", "PACKAGEOPTIONS", "VERSION", "MAINICON"}) {
    const auto section = package.Resource(name);
    const auto served = package.ServedResource(name);
    ASSERT_FALSE(section.empty()) << name;
    EXPECT_TRUE(std::equal(section.begin(), section.end(), served.begin(), served.end())) << name;
  }
}

TEST(Korvex50Dll, WindowsReadsTheVersionRecord) {
  const std::string path = KORVEX50_PATH;
  EXPECT_EQ(VersionString(path, "FileVersion"), "1.0.0.0");
  EXPECT_EQ(VersionString(path, "ProductVersion"), "1.0.0.0");
  EXPECT_EQ(VersionString(path, "CompanyName"), "");
}

TEST(Korvex50Dll, UsesTheResourceModuleBesideItAndFreesItOnUnload) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / ("korvex-rsm-" + std::to_string(GetCurrentProcessId()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::copy_file(fs::path(KORVEX50_PATH), folder / "Korvex50.dll");
  fs::copy_file(fs::path(KORVEX50_TEST_RSM_PATH), folder / "Korvex50.rsm");

  const void* resModule = nullptr;
  vcl::THandle instance = nullptr;
  {
    TPackageLibrary package((folder / "Korvex50.dll").string());
    instance = package.Handle();
    resModule = vcl::FindResourceHInstance(instance);
    ASSERT_NE(resModule, instance) << "the resource module was not loaded";
    EXPECT_TRUE(IsMapped(resModule));
    EXPECT_EQ(Utf16Text(package.Resource("DESCRIPTION")), "Korvex expert (resource module)");
    EXPECT_TRUE(package.Resource("PACKAGEINFO").empty()) << "all resources come from the resource module";
  }
  EXPECT_EQ(vcl::FindResourceHInstance(instance), instance) << "the package left the module list";
  EXPECT_FALSE(IsMapped(resModule)) << "the resource module was not freed";

  fs::remove(folder / "Korvex50.rsm");
  TPackageLibrary alone((folder / "Korvex50.dll").string());
  EXPECT_EQ(vcl::FindResourceHInstance(alone.Handle()), alone.Handle()) << "without one, the package itself";
  EXPECT_EQ(Utf16Text(alone.Resource("DESCRIPTION")), "Korvex expert (Tobrel team)");
  alone.Unload();
  fs::remove_all(folder);
}
