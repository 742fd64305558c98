// What loading a package means on every platform; the loader calls are in PackageLoaderPosix.cpp
// and PackageLoaderWin.cpp.
#include <korvex50/PackageLoader.h>

#include <utility>

#include "LoaderCalls.h"

namespace vcl {

TPackageModule::TPackageModule(const std::string& Path) : FPath(Path) {
  FHandle = loader::Open(FPath);
  try {
    const auto entry = [this](const char* name) {
      void* address = loader::Find(FHandle, name);
      if (address == nullptr) throw EPackageLoadError(FPath + " does not export " + name);
      return address;
    };
    FEntries.Initialize = reinterpret_cast<TInitializeProc>(entry("Initialize"));
    FEntries.Finalize = reinterpret_cast<TFinalizeProc>(entry("Finalize"));
    FEntries.GetPackageInfoTable = reinterpret_cast<TGetPackageInfoTableProc>(entry("GetPackageInfoTable"));
    FEntries.Register = reinterpret_cast<TRegisterProc>(entry("Register"));
    FEntries.FindPackageResource = reinterpret_cast<TFindPackageResourceProc>(entry("FindPackageResource"));
  } catch (...) {
    loader::Close(FHandle);
    throw;
  }
}

TPackageModule::~TPackageModule() {
  if (FHandle != nullptr) loader::Close(FHandle);
}

TPackageModule::TPackageModule(TPackageModule&& Other) noexcept
    : FPath(std::move(Other.FPath)),
      FHandle(std::exchange(Other.FHandle, nullptr)),
      FEntries(std::exchange(Other.FEntries, {})) {}

TPackageModule& TPackageModule::operator=(TPackageModule&& Other) noexcept {
  if (this != &Other) {
    if (FHandle != nullptr) loader::Close(FHandle);
    FPath = std::move(Other.FPath);
    FHandle = std::exchange(Other.FHandle, nullptr);
    FEntries = std::exchange(Other.FEntries, {});
  }
  return *this;
}

void* TPackageModule::Symbol(const char* Name) const {
  return FHandle != nullptr ? loader::Find(FHandle, Name) : nullptr;
}

void TPackageModule::Unload() {
  if (FHandle == nullptr) return;
  void* handle = std::exchange(FHandle, nullptr);
  FEntries = {};
  if (!loader::Close(handle)) throw EPackageLoadError("cannot unload " + FPath + ": " + loader::LastError());
}

std::string PackageBesideRuntime(const std::string& FileName) {
  std::string path = loader::OwnFileName();
  const size_t separator = path.find_last_of("/\\");
  path.erase(separator == std::string::npos ? 0 : separator + 1);
  return path + FileName;
}

}  // namespace vcl
