#include <dlfcn.h>

#include "LibraryLoader.h"

namespace testhost::loader {

TLibraryHandle OpenLibrary(const std::string& path, std::string& error) {
  // RTLD_LOCAL: a package's symbols never resolve anyone else's.
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    const char* message = dlerror();
    error = message != nullptr ? message : "cannot load " + path;
  }
  return library;
}

void* FindSymbol(TLibraryHandle library, const char* name) { return dlsym(library, name); }

bool CloseLibrary(TLibraryHandle library) { return dlclose(library) == 0; }

bool RouteBeeps(TLibraryHandle /*library*/) { return true; }

bool IsLoaded(const std::string& path) {
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (library == nullptr) return false;
  dlclose(library);
  return true;
}

}  // namespace testhost::loader
