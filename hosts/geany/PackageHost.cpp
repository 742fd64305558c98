#include "PackageHost.h"

#include <filesystem>

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
  try {
    FModule.emplace(path);
  } catch (const vcl::EPackageLoadError& error) {
    std::string reason = error.Message();
    // The loader's message begins with the path, which the sentence already names.
    if (reason.starts_with(path + ": ")) reason.erase(0, path.size() + 2);
    if (reason.starts_with(path + " does not export")) {
      throw EPackageError(path + " is not a Korvex50 package: it" + reason.substr(path.size()));
    }
    throw EPackageError("the package " + path + " cannot be loaded: " + reason);
  }
  Toolsapi::BorlandIDEServices = vcl::TIntfRef<Toolsapi::IBorlandIDEServices>(FServices.Get());
  try {
    FModule->Entries().Initialize();
    FInitialized = true;
    FModule->Entries().Register();
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
  if (!FModule) return;
  if (FInitialized) {
    try {
      FModule->Entries().Finalize();  // takes the package's binding off the keyboard services
    } catch (...) {
      // The package goes all the same; what it left behind is dropped below.
    }
  }
  Close();
}

void TPackageHost::Close() noexcept {
  // Whatever the package did not take off itself still points into its code: let go of it while
  // that code is there.
  FServices->DropPackageReferences();
  Toolsapi::BorlandIDEServices.Reset();
  FInitialized = false;
  try {
    FModule->Unload();
  } catch (const vcl::EPackageLoadError&) {
    // The loader keeps the library; the host holds nothing of it any more.
  }
  FModule.reset();
}

}  // namespace geanyhost
