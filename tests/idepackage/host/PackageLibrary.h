#pragma once
// A design-time package loaded the way the host loads one: through the platform's loader, reaching
// the package only through its exported entry points.

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "LibraryLoader.h"
#include <korvex50/PackageInfo.h>

namespace testhost {

class TPackageLibrary {
 public:
  // Loads the package and resolves its entry points; raises EHostError when either fails.
  explicit TPackageLibrary(std::string path);
  ~TPackageLibrary();  // unloads, if Unload has not
  TPackageLibrary(const TPackageLibrary&) = delete;
  TPackageLibrary& operator=(const TPackageLibrary&) = delete;

  void Initialize() const { FInitialize(); }
  void Finalize() const { FFinalize(); }
  void Register() const { FRegister(); }
  const vcl::TPackageInfoTable* InfoTable() const { return FGetPackageInfoTable(); }
  // The named resource's bytes (valid while loaded); empty when the package has none of that name.
  // On Windows they come from the resource section of the package or of its resource module
  // (MAINICON put together in icon file layout); elsewhere from ServedResource.
  std::span<const uint8_t> Resource(const char* name) const;
  // The bytes the package serves through its export FindPackageResource.
  std::span<const uint8_t> ServedResource(const char* name) const;
  loader::TLibraryHandle Handle() const { return FLibrary; }
  void* Symbol(const char* name) const { return loader::FindSymbol(FLibrary, name); }
  void Unload();
  const std::string& Path() const { return FPath; }

 private:
  void* Entry(const char* name) const;
  std::string FPath;
  loader::TLibraryHandle FLibrary = nullptr;
  vcl::TInitializeProc FInitialize = nullptr;
  vcl::TFinalizeProc FFinalize = nullptr;
  vcl::TGetPackageInfoTableProc FGetPackageInfoTable = nullptr;
  vcl::TRegisterProc FRegister = nullptr;
  vcl::TFindPackageResourceProc FFindResource = nullptr;
  mutable std::map<std::string, std::vector<uint8_t>> FAssembled;  // resources put together by Resource
};

}  // namespace testhost
