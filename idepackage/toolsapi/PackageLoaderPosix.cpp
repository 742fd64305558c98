#include <dlfcn.h>
#include <korvex50/PackageLoader.h>

#include "LoaderCalls.h"

namespace vcl::loader {

void* Open(const std::string& path) {
  // RTLD_LOCAL: a package's symbols never resolve anyone else's.
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) throw EPackageLoadError(LastError());
  return library;
}

void* Find(void* library, const char* name) {
  return dlsym(library, name);
}

bool Close(void* library) {
  return dlclose(library) == 0;
}

std::string OwnFileName() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&OwnFileName), &info) == 0 || info.dli_fname == nullptr) return {};
  return info.dli_fname;
}

std::string LastError() {
  const char* message = dlerror();
  return message != nullptr ? message : "unknown loader error";
}

}  // namespace vcl::loader
