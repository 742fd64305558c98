#include <korvex50/PackageLoader.h>
#include <windows.h>

#include "LoaderCalls.h"

namespace vcl::loader {

void* Open(const std::string& path) {
  // The altered search path finds the package's own imports (vcl50.dll, the runtime) beside it.
  HMODULE library = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (library == nullptr) {
    const std::string reason = LastError();  // before anything else can change the thread's last error
    throw EPackageLoadError("cannot load " + path + ": " + reason);
  }
  return library;
}

void* Find(void* library, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

bool Close(void* library) {
  return FreeLibrary(static_cast<HMODULE>(library)) != 0;
}

std::string OwnFileName() {
  HMODULE self = nullptr;
  if (!GetModuleHandleExA(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          reinterpret_cast<LPCSTR>(&OwnFileName), &self)) {
    return {};
  }
  char name[MAX_PATH + 1];
  const DWORD length = GetModuleFileNameA(self, name, sizeof name);
  if (length == 0 || length >= sizeof name) return {};  // a cut name would point elsewhere
  return std::string(name, length);
}

std::string LastError() {
  return "error " + std::to_string(GetLastError());
}

}  // namespace vcl::loader
