#pragma once
// The plugin's one setting, the package library to load, kept in Geany's configuration folder, and
// where the package is looked for when it is not set.

#include <string>

namespace geanyhost {

// The settings file below Geany's configuration folder configDir.
std::string SettingsFile(const std::string& configDir);
// The package path set in file; empty when the file or the setting is missing.
std::string ReadPackageSetting(const std::string& file);
// Sets the package path in file (an empty path clears it), making its folder; false with a reason
// in error when the file cannot be written.
bool WritePackageSetting(const std::string& file, const std::string& packagePath, std::string& error);
// Where Korvex50 is installed: beside the host interface library the plugin runs with, else where
// the kit the plugin was built against has it.
std::string DefaultPackagePath();

}  // namespace geanyhost
