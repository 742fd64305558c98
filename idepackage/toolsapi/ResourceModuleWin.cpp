#include <windows.h>

#include <korvex50/LibModules.h>

namespace vcl {

THandle LoadResourceModule(const char* ModuleName) {
  // As data: a resource module is only looked into, never run.
  return LoadLibraryExA(ResourceModuleName(ModuleName).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

void FreeResourceModule(THandle ResModule) {
  if (ResModule != nullptr) FreeLibrary(static_cast<HMODULE>(ResModule));
}

}  // namespace vcl
