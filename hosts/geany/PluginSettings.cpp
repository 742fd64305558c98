#include "PluginSettings.h"

#include <glib.h>
#include <korvex50/KorvexKeys.h>
#include <korvex50/PackageLoader.h>

#include <filesystem>
#include <memory>

namespace geanyhost {
namespace {

constexpr char kGroup[] = "korvex50";
constexpr char kPackageKey[] = "package";

using TKeyFile = std::unique_ptr<GKeyFile, decltype(&g_key_file_free)>;
using TGString = std::unique_ptr<gchar, decltype(&g_free)>;

TKeyFile LoadKeyFile(const std::string& file) {
  TKeyFile keys(g_key_file_new(), &g_key_file_free);
  // A missing or unreadable file is an empty one: nothing set.
  g_key_file_load_from_file(keys.get(), file.c_str(), G_KEY_FILE_KEEP_COMMENTS, nullptr);
  return keys;
}

}  // namespace

std::string SettingsFile(const std::string& configDir) {
  return (std::filesystem::path(configDir) / "plugins" / "korvex50" / "korvex50.conf").string();
}

std::string ReadPackageSetting(const std::string& file) {
  const TKeyFile keys = LoadKeyFile(file);
  const TGString value(g_key_file_get_string(keys.get(), kGroup, kPackageKey, nullptr), &g_free);
  return value ? std::string(value.get()) : std::string();
}

bool WritePackageSetting(const std::string& file, const std::string& packagePath, std::string& error) {
  const TKeyFile keys = LoadKeyFile(file);
  if (packagePath.empty()) {
    g_key_file_remove_key(keys.get(), kGroup, kPackageKey, nullptr);
  } else {
    g_key_file_set_string(keys.get(), kGroup, kPackageKey, packagePath.c_str());
  }
  std::error_code made;
  std::filesystem::create_directories(std::filesystem::path(file).parent_path(), made);
  GError* failure = nullptr;
  if (g_key_file_save_to_file(keys.get(), file.c_str(), &failure)) return true;
  error = failure != nullptr ? failure->message : "cannot write " + file;
  g_clear_error(&failure);
  return false;
}

std::string DefaultPackagePath() {
  const std::string installed = vcl::PackageBesideRuntime(korvex50::kPackageFileName);
  std::error_code missing;
  return std::filesystem::exists(installed, missing) ? installed : std::string(KORVEX50_PACKAGE);
}

}  // namespace geanyhost
