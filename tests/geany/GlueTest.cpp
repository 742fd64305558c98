// Geany's side without a running Geany: the package path setting in its file, and the keys as Geany
// keybindings.
#include <gtest/gtest.h>
#include <korvex50/KorvexKeys.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "GeanyKeys.h"
#include "PluginSettings.h"

namespace geanyhost::test {
namespace {

TEST(PluginSettings, ThePackagePathIsKeptBesideOtherSettingsAndClearedWhenEmpty) {
  const std::filesystem::path config = std::filesystem::path(::testing::TempDir()) / "korvex-geany-config";
  std::filesystem::remove_all(config);
  const std::string file = SettingsFile(config.string());
  EXPECT_EQ(file, (config / "plugins" / "korvex50" / "korvex50.conf").string());
  EXPECT_EQ(ReadPackageSetting(file), "");

  std::string error;
  ASSERT_TRUE(WritePackageSetting(file, "/opt/k50/Korvex50.so", error)) << error;  // makes the folders
  EXPECT_EQ(ReadPackageSetting(file), "/opt/k50/Korvex50.so");
  std::ofstream(file, std::ios::app) << "[other]\nkept=yes\n";
  ASSERT_TRUE(WritePackageSetting(file, "", error)) << error;
  EXPECT_EQ(ReadPackageSetting(file), "");
  std::ifstream in(file);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("kept=yes"), std::string::npos);
  std::filesystem::remove_all(config);
}

TEST(PluginSettings, AFileThatCannotBeWrittenSaysWhy) {
  std::string error;
  EXPECT_FALSE(WritePackageSetting("/proc/korvex50/korvex50.conf", "/x", error));
  EXPECT_FALSE(error.empty());
}

TEST(GeanyKeys, ThePackagesKeysGetTheirArrowsWithCtrlAltAndANameOfTheirOwn) {
  const guint arrows[] = {GDK_KEY_Up, GDK_KEY_Down, GDK_KEY_Left, GDK_KEY_Right};
  std::set<std::string> names;
  for (size_t i = 0; i < 4; ++i) {
    const TGeanyKey key = GeanyKeyFor(korvex50::kKeys[i], "Korvex");
    EXPECT_EQ(key.KeyVal, arrows[i]);
    EXPECT_EQ(key.Mods, static_cast<GdkModifierType>(GDK_CONTROL_MASK | GDK_MOD1_MASK));
    EXPECT_FALSE(key.Label.empty());
    names.insert(key.Name);
  }
  EXPECT_EQ(names.size(), 4u);
}

TEST(GeanyKeys, AnotherKeyIsNamedAfterItsShortcutAndLettersAreLowerCase) {
  const TGeanyKey f5 = GeanyKeyFor(0x2074, "Other binding");  // Shift+F5
  EXPECT_EQ(f5.KeyVal, static_cast<guint>(GDK_KEY_F5));
  EXPECT_EQ(f5.Mods, GDK_SHIFT_MASK);
  EXPECT_EQ(f5.Name, "key_2074");
  EXPECT_EQ(f5.Label, "Other binding key_2074");
  EXPECT_EQ(GeanyKeyFor(0x4041, "x").KeyVal, static_cast<guint>(GDK_KEY_a));  // Ctrl+A
  EXPECT_EQ(GeanyKeyFor(0x4000 | 0xE2, "x").KeyVal, 0u);                       // nothing GDK knows here
}

}  // namespace
}  // namespace geanyhost::test
