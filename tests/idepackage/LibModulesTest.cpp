// The runtime's module list and the rule that names a module's resource module.
#include <gtest/gtest.h>

#include <korvex50/LibModules.h>

namespace {

TEST(ResourceModuleName, ReplacesTheFileExtensionOnly) {
  EXPECT_EQ(vcl::ResourceModuleName("C:\\Pkg\\Korvex50.dll"), "C:\\Pkg\\Korvex50.rsm");
  EXPECT_EQ(vcl::ResourceModuleName("C:\\Pkg.v2\\Korvex50"), "C:\\Pkg.v2\\Korvex50.rsm") << "a dot in a folder";
  EXPECT_EQ(vcl::ResourceModuleName("/opt/pkg.d/Korvex50.so"), "/opt/pkg.d/Korvex50.rsm");
  EXPECT_EQ(vcl::ResourceModuleName("Korvex50.x.dll"), "Korvex50.x.rsm");
}

TEST(LibModules, FindResourceHInstanceAnswersForRegisteredModulesOnly) {
  int package = 0;
  int resources = 0;
  int other = 0;
  vcl::TLibModule module{nullptr, &package, &resources, vcl::kModuleIsLibrary | vcl::kModuleIsPackage};
  vcl::TLibModule withoutResources{nullptr, &other, &other, vcl::kModuleIsLibrary};
  EXPECT_EQ(vcl::FindResourceHInstance(&package), &package);
  vcl::RegisterModule(&module);
  vcl::RegisterModule(&withoutResources);
  vcl::RegisterModule(&module);  // twice: still one entry, so one removal takes it off
  EXPECT_EQ(vcl::FindResourceHInstance(&package), &resources);
  EXPECT_EQ(vcl::FindResourceHInstance(&other), &other);
  vcl::UnregisterModule(&module);
  EXPECT_EQ(vcl::FindResourceHInstance(&package), &package);
  EXPECT_EQ(vcl::FindResourceHInstance(&other), &other);
  vcl::UnregisterModule(&withoutResources);
  vcl::UnregisterModule(&withoutResources);  // not on the list: ignored
}

}  // namespace
