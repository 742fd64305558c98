#pragma once
// The runtime's list of loaded modules and their resource modules. A package's module entry
// registers itself on load and leaves on unload; a host asks which module holds a package's
// resources.

#include <cstdint>
#include <string>
#include <string_view>

#include "Vcl50Api.h"

namespace vcl {

using THandle = void*;  // a module handle (HINSTANCE on Windows)

constexpr uint32_t kModuleIsLibrary = 0x1;
constexpr uint32_t kModuleIsPackage = 0x2;

// One module's record, owned by the module itself; it stays registered until UnregisterModule.
struct TLibModule {
  TLibModule* Next = nullptr;
  THandle Instance = nullptr;
  THandle ResInstance = nullptr;  // where its resources come from: a resource module, or Instance
  uint32_t Flags = 0;
};

// Adds Module to the front of the list; adding it twice is ignored.
VCL50_API void RegisterModule(TLibModule* Module);
// Takes Module off the list; one not on it is ignored.
VCL50_API void UnregisterModule(TLibModule* Module);
// The resource module of the registered module Instance, or Instance itself.
VCL50_API THandle FindResourceHInstance(THandle Instance);

// Our rule for a module's resource module: the file beside it with the same name and the extension
// ".rsm" instead of its own ("C:\Pkg\Korvex50.dll" gives "C:\Pkg\Korvex50.rsm").
VCL50_API std::string ResourceModuleName(std::string_view ModuleName);

#if defined(_WIN32)
// Maps the resource module of ModuleName as data (none of its code runs); null when there is none.
// The caller frees it with FreeResourceModule.
VCL50_API THandle LoadResourceModule(const char* ModuleName);
VCL50_API void FreeResourceModule(THandle ResModule);
#endif

}  // namespace vcl
