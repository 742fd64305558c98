#pragma once
// Loading a package library the way the host does: through the platform's loader (dlopen, or
// LoadLibraryEx on Windows), reaching the package only through its unmangled entry points.

#include <string>

#include "Exception.h"
#include "PackageInfo.h"
#include "Vcl50Api.h"

namespace vcl {

// A package that cannot be loaded, or lacks one of the entry points.
class EPackageLoadError : public rtl::Exception {
 public:
  using rtl::Exception::Exception;
  const char* ClassName() const noexcept override { return "EPackageLoadError"; }
};

// The entry points every package exports (PackageInfo.h gives their contracts).
struct TPackageEntries {
  TInitializeProc Initialize = nullptr;
  TFinalizeProc Finalize = nullptr;
  TGetPackageInfoTableProc GetPackageInfoTable = nullptr;
  TRegisterProc Register = nullptr;
  TFindPackageResourceProc FindPackageResource = nullptr;
};

// One loaded package library; unloaded by Unload or when the object goes. The host drops every
// reference into the package (its binding, its key procedures) before that.
class VCL50_API TPackageModule {
 public:
  // Loads the library at Path (libraries it needs are looked for beside it first) and finds its
  // entry points; raises EPackageLoadError with the loader's message when either fails.
  explicit TPackageModule(const std::string& Path);
  ~TPackageModule();
  TPackageModule(TPackageModule&& Other) noexcept;
  TPackageModule& operator=(TPackageModule&& Other) noexcept;
  TPackageModule(const TPackageModule&) = delete;
  TPackageModule& operator=(const TPackageModule&) = delete;

  const TPackageEntries& Entries() const { return FEntries; }
  // The address of any other exported symbol, or null.
  void* Symbol(const char* Name) const;
  // The loader's handle (HMODULE on Windows); null once unloaded.
  void* Handle() const { return FHandle; }
  const std::string& Path() const { return FPath; }
  // Unloads now; raises EPackageLoadError when the loader refuses. Nothing happens a second time.
  void Unload();

 private:
  std::string FPath;
  void* FHandle = nullptr;
  TPackageEntries FEntries;
};

// The package library FileName in the folder this host interface library was loaded from, where
// the kit installs the package (so a moved prefix still finds it).
VCL50_API std::string PackageBesideRuntime(const std::string& FileName);

}  // namespace vcl
