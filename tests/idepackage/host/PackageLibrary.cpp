#include "PackageLibrary.h"

#include "HostObject.h"

namespace testhost {

TPackageLibrary::TPackageLibrary(std::string path) : FPath(std::move(path)) {
  std::string error;
  FLibrary = loader::OpenLibrary(FPath, error);
  if (FLibrary == nullptr) throw EHostError(error);
  try {
    FInitialize = reinterpret_cast<vcl::TInitializeProc>(Entry("Initialize"));
    FFinalize = reinterpret_cast<vcl::TFinalizeProc>(Entry("Finalize"));
    FGetPackageInfoTable = reinterpret_cast<vcl::TGetPackageInfoTableProc>(Entry("GetPackageInfoTable"));
    FRegister = reinterpret_cast<vcl::TRegisterProc>(Entry("Register"));
    FFindResource = reinterpret_cast<vcl::TFindPackageResourceProc>(Entry("FindPackageResource"));
    if (!loader::RouteBeeps(FLibrary)) throw EHostError(FPath + " does not import MessageBeep from user32.dll");
  } catch (...) {
    Unload();
    throw;
  }
}

TPackageLibrary::~TPackageLibrary() { Unload(); }

void* TPackageLibrary::Entry(const char* name) const {
  void* entry = loader::FindSymbol(FLibrary, name);
  if (entry == nullptr) throw EHostError(FPath + " does not export " + name);
  return entry;
}

std::span<const uint8_t> TPackageLibrary::ServedResource(const char* name) const {
  uint32_t size = 0;
  const void* bytes = FFindResource(name, &size);
  if (bytes == nullptr) return {};
  return {static_cast<const uint8_t*>(bytes), size};
}

void TPackageLibrary::Unload() {
  if (FLibrary != nullptr) loader::CloseLibrary(FLibrary);
  FLibrary = nullptr;
}

}  // namespace testhost
