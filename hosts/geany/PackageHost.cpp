#include "PackageHost.h"

#include <dlfcn.h>

#include <filesystem>

#include "PackageInfo.h"

namespace geanyhost {

TPackageHost::TPackageHost(THostServices::TModuleSource currentModule)
    : FServices(new THostServices(std::move(currentModule))) {}

TPackageHost::~TPackageHost() { Unload(); }

void TPackageHost::Load(const std::string& path) {
  Unload();
  std::error_code ignored;
  if (!std::filesystem::exists(path, ignored)) {
    throw EPackageError("there is no package at " + path + "; set its path in the plugin's preferences");
  }
  // RTLD_LOCAL: the package's symbols resolve nobody else's.
  FLibrary = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (FLibrary == nullptr) {
    const char* message = dlerror();
    std::string reason = message != nullptr ? message : "unknown error";
    // The loader's message begins with the path, which the sentence already names.
    if (reason.starts_with(path + ": ")) reason.erase(0, path.size() + 2);
    throw EPackageError("the package " + path + " cannot be loaded: " + reason);
  }
  const auto entry = [&](const char* name) {
    void* address = dlsym(FLibrary, name);
    if (address == nullptr) {
      CloseLibrary();
      throw EPackageError(path + " is not a Korvex50 package: it does not export " + name);
    }
    return address;
  };
  const auto initialize = reinterpret_cast<vcl::TInitializeProc>(entry("Initialize"));
  const auto finalize = reinterpret_cast<vcl::TFinalizeProc>(entry("Finalize"));
  const auto registerPackage = reinterpret_cast<vcl::TRegisterProc>(entry("Register"));

  Toolsapi::BorlandIDEServices = vcl::TIntfRef<Toolsapi::IBorlandIDEServices>(FServices.Get());
  try {
    initialize();
    FFinalize = finalize;
    registerPackage();
  } catch (const std::exception& error) {
    Unload();
    throw EPackageError("the package " + path + " failed to start: " + error.what());
  } catch (...) {
    Unload();
    throw EPackageError("the package " + path + " failed to start");
  }
  if (FServices->Keys().empty()) {
    Unload();
    throw EPackageError("the package " + path + " bound no keys");
  }
}

void TPackageHost::Unload() noexcept {
  if (FLibrary == nullptr) return;
  if (FFinalize != nullptr) {
    try {
      FFinalize();  // takes the package's binding off the keyboard services
    } catch (...) {
      // The package goes all the same; what it left behind is dropped below.
    }
  }
  CloseLibrary();
}

void TPackageHost::CloseLibrary() noexcept {
  // Whatever the package did not take off itself still points into its code: let go of it while
  // that code is there.
  FServices->DropPackageReferences();
  Toolsapi::BorlandIDEServices.Reset();
  dlclose(FLibrary);
  FLibrary = nullptr;
  FFinalize = nullptr;
}

}  // namespace geanyhost
