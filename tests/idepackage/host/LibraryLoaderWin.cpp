// User32.h before windows.h: the latter makes the virtual key names macros.
#include <korvex50/User32.h>
// clang-format off
#include <windows.h>
// clang-format on

#include <cstring>

#include "LibraryLoader.h"

namespace testhost::loader {
namespace {

BOOL WINAPI HostMessageBeep(UINT uType) { return Windows::MessageBeep(uType) ? TRUE : FALSE; }

// The import address slot through which module calls function of dll, or null.
ULONG_PTR* ImportSlot(HMODULE module, const char* dll, const char* function) {
  auto* base = reinterpret_cast<BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (imports.VirtualAddress == 0) return nullptr;
  for (auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); entry->Name != 0;
       ++entry) {
    if (lstrcmpiA(reinterpret_cast<const char*>(base + entry->Name), dll) != 0 || entry->OriginalFirstThunk == 0) {
      continue;
    }
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) return &slots->u1.Function;
    }
  }
  return nullptr;
}

}  // namespace

TLibraryHandle OpenLibrary(const std::string& path, std::string& error) {
  // The altered search path looks for the package's own imports (vcl50.dll) beside it.
  HMODULE library = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (library == nullptr) error = "cannot load " + path + ": error " + std::to_string(GetLastError());
  return library;
}

void* FindSymbol(TLibraryHandle library, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

bool CloseLibrary(TLibraryHandle library) { return FreeLibrary(static_cast<HMODULE>(library)) != 0; }

bool IsLoaded(const std::string& path) { return GetModuleHandleA(path.c_str()) != nullptr; }

bool RouteBeeps(TLibraryHandle library) {
  ULONG_PTR* slot = ImportSlot(static_cast<HMODULE>(library), "user32.dll", "MessageBeep");
  if (slot == nullptr) return false;
  DWORD protection = 0;
  if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection)) return false;
  *slot = reinterpret_cast<ULONG_PTR>(&HostMessageBeep);
  VirtualProtect(slot, sizeof *slot, protection, &protection);
  return true;
}

}  // namespace testhost::loader
