// The kit's loader: what a host gets for a good package, for a missing file, for a library that is
// not a package, and that the package leaves the process when the loader lets it go.
#include <gtest/gtest.h>
#include <korvex50/PackageLoader.h>

#include <filesystem>
#include <string>
#include <utility>

#include "LibraryLoader.h"

namespace {

TEST(PackageModule, FindsTheFiveEntryPointsAndNothingHidden) {
  const vcl::TPackageModule package(KORVEX50_PATH);
  const vcl::TPackageEntries& entries = package.Entries();
  EXPECT_NE(entries.Initialize, nullptr);
  EXPECT_NE(entries.Finalize, nullptr);
  EXPECT_NE(entries.GetPackageInfoTable, nullptr);
  EXPECT_NE(entries.Register, nullptr);
  EXPECT_NE(entries.FindPackageResource, nullptr);
  EXPECT_EQ(package.Symbol("_ZN11KorvexOTA508RegisterEv"), nullptr);
  uint32_t size = 0;
  EXPECT_NE(entries.FindPackageResource("DESCRIPTION", &size), nullptr);
  EXPECT_GT(size, 0u);
}

TEST(PackageModule, MissingFileRaisesWithItsName) {
  const std::string path = std::string(KORVEX50_PATH) + ".missing";
  try {
    vcl::TPackageModule package(path);
    FAIL() << "loaded " << path;
  } catch (const vcl::EPackageLoadError& error) {
    EXPECT_NE(error.Message().find(path), std::string::npos) << error.Message();
    EXPECT_STREQ(error.ClassName(), "EPackageLoadError");
  }
}

TEST(PackageModule, LibraryWithoutEntryPointsIsRefused) {
  try {
    vcl::TPackageModule package(VCL50_PATH);
    FAIL() << "took the host interface library for a package";
  } catch (const vcl::EPackageLoadError& error) {
    EXPECT_EQ(error.Message(), std::string(VCL50_PATH) + " does not export Initialize");
  }
}

TEST(PackageModule, UnloadAndDestructionLetThePackageGo) {
  {
    vcl::TPackageModule package(KORVEX50_PATH);
    ASSERT_TRUE(testhost::loader::IsLoaded(KORVEX50_PATH));
    package.Unload();
    EXPECT_FALSE(testhost::loader::IsLoaded(KORVEX50_PATH));
    EXPECT_EQ(package.Handle(), nullptr);
    EXPECT_EQ(package.Entries().Register, nullptr);
    package.Unload();  // a second time does nothing
  }
  {
    vcl::TPackageModule first(KORVEX50_PATH);
    vcl::TPackageModule second = std::move(first);
    EXPECT_EQ(first.Handle(), nullptr);
    EXPECT_NE(second.Entries().Initialize, nullptr);
    first = std::move(second);
    EXPECT_TRUE(testhost::loader::IsLoaded(KORVEX50_PATH));
  }
  EXPECT_FALSE(testhost::loader::IsLoaded(KORVEX50_PATH));
}

TEST(PackageModule, PackageBesideRuntimeNamesAFileInTheLoadedRuntimesFolder) {
  // The runtime in this process is the build's (on Windows the copy beside the test program).
  const std::filesystem::path path = vcl::PackageBesideRuntime("Korvex50.pkg");
  EXPECT_EQ(path.filename(), "Korvex50.pkg");
  EXPECT_TRUE(path.is_absolute()) << path;
  EXPECT_TRUE(std::filesystem::exists(path.parent_path() / std::filesystem::path(VCL50_PATH).filename()))
      << path;
}

}  // namespace
