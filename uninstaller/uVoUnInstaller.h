#pragma once
// Looks up an application's uninstall command among the registry's uninstall entries and runs it.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "Exception.h"

namespace uVoUnInstaller {

// UninstallApplication was given an empty entry name.
class ENoApplicationName : public rtl::Exception {
public:
  ENoApplicationName() : rtl::Exception("No Application Name defined") {}
  const char* ClassName() const noexcept override { return "ENoApplicationName"; }
};

// Neither lookup path yields the uninstall command.
class EAppNotInstalled : public rtl::Exception {
public:
  EAppNotInstalled() : rtl::Exception("Application was not installed on this computer") {}
  const char* ClassName() const noexcept override { return "EAppNotInstalled"; }
};

// The uninstall command cannot be started as a process.
class ECouldNotUnInstallException : public rtl::Exception {
public:
  ECouldNotUnInstallException() : rtl::Exception("Could not uninstall") {}
  const char* ClassName() const noexcept override { return "ECouldNotUnInstallException"; }
};

// Value types as the Windows registry numbers them.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;

struct TRegValue {
  std::uint32_t Type = 0;
  std::string Data;  // raw bytes as stored, terminating zeros included
};

// Registry access below HKEY_LOCAL_MACHINE. At most one key is open at a time; it stays open
// until another one is opened or the object is destroyed.
class TRegistry {
public:
  virtual ~TRegistry() = default;
  // Opens the key at Path (backslash-separated, below HKEY_LOCAL_MACHINE) without creating it,
  // for read and write access. On success later reads use it; false when it cannot be opened.
  virtual bool OpenKey(const std::string& path) = 0;
  // Byte size of the open key's value Name; nullopt when the value is missing or its size
  // cannot be queried.
  virtual std::optional<std::size_t> ValueSize(const std::string& name) = 0;
  // Type and data of the open key's value Name, read into a buffer of Size bytes; nullopt when
  // the data cannot be read.
  virtual std::optional<TRegValue> ReadValue(const std::string& name, std::size_t size) = 0;
};

// Process start and wait.
class TLauncher {
public:
  enum class TOutcome { kNotStarted, kEnded, kWaitFailed };
  virtual ~TLauncher() = default;
  // Starts a process from the zero-terminated CommandLine (the program is its first item; the
  // buffer may be written to during the call) and waits without time limit until it has ended.
  virtual TOutcome RunAndWait(char* commandLine) = 0;
};

// The platform's registry and process start: Win32 on Windows, the stand-ins described in
// PosixPlatform.cpp elsewhere. The caller owns the objects.
std::unique_ptr<TRegistry> MakeSystemRegistry();
std::unique_ptr<TLauncher> MakeSystemLauncher();

class TVOUninstaller {
public:
  // Registry and Launcher must outlive the uninstaller.
  TVOUninstaller(TRegistry& registry, TLauncher& launcher) : FRegistry(registry), FLauncher(launcher) {}

  // Name of the uninstall entry that Uninstall uses; empty after creation.
  const std::string& ApplicationName() const noexcept { return FApplicationName; }
  void SetApplicationName(std::string name) { FApplicationName = std::move(name); }

  // Runs UninstallApplication with ApplicationName.
  void Uninstall();
  // Looks up the entry's uninstall command and runs it; returns after its process has ended.
  // Raises ENoApplicationName, EAppNotInstalled or ECouldNotUnInstallException.
  void UninstallApplication(const std::string& name);
  // Starts Command (taken up to its first zero character) and waits for its process to end.
  // Raises ECouldNotUnInstallException when it cannot be started or its end cannot be awaited.
  void RunUninstallCommand(const std::string& command);

private:
  std::optional<std::string> ReadUninstallString(const std::string& keyPath);

  TRegistry& FRegistry;
  TLauncher& FLauncher;
  std::string FApplicationName;
};

}  // namespace uVoUnInstaller
