#pragma once
// The package inside the editor: loaded from its file, initialised and registered as the IDE does,
// its keys dispatched, and finalised and unloaded with nothing of it left in the host.

#include <korvex50/PackageLoader.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "HostServices.h"

namespace geanyhost {

// The package could not be loaded or started; the message says why, for the user.
class EPackageError : public rtl::Exception {
 public:
  using rtl::Exception::Exception;
  const char* ClassName() const noexcept override { return "EPackageError"; }
};

class TPackageHost {
 public:
  explicit TPackageHost(THostServices::TModuleSource currentModule);
  ~TPackageHost();  // unloads
  TPackageHost(const TPackageHost&) = delete;
  TPackageHost& operator=(const TPackageHost&) = delete;

  // Loads the package at path, runs its initialisation and its Register. On failure raises
  // EPackageError and leaves nothing loaded.
  void Load(const std::string& path);
  // Finalises the package, drops every reference into it and unloads it; nothing when none is loaded.
  void Unload() noexcept;
  bool Loaded() const { return FModule.has_value(); }

  // The keys the package bound, in the order it bound them.
  const std::vector<TBoundKey>& Keys() const { return FServices->Keys(); }
  // Presses Keys()[index]; true when the package handled it. Errors of the package pass through.
  bool Press(size_t index) { return FServices->Press(index); }
  bool HoldsPackageReferences() const { return FServices->HoldsPackageReferences(); }

 private:
  void Close() noexcept;

  vcl::TIntfRef<THostServices> FServices;
  std::optional<vcl::TPackageModule> FModule;
  bool FInitialized = false;
};

}  // namespace geanyhost
