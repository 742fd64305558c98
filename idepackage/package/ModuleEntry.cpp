// The package library's module entry on Windows: records the module, finds its resource module and
// registers both with the runtime; undoes that on unload.

#include <windows.h>

#include <korvex50/LibModules.h>

namespace {

vcl::TLibModule gLibModule;

void Attach(HINSTANCE instance) {
  gLibModule.Instance = instance;
  gLibModule.ResInstance = instance;
  gLibModule.Flags = vcl::kModuleIsLibrary | vcl::kModuleIsPackage;
  char fileName[MAX_PATH + 1];  // 261 characters
  const DWORD length = GetModuleFileNameA(instance, fileName, sizeof fileName);
  // A name that filled the buffer may have been cut, and would name some other file.
  if (length > 0 && length < sizeof fileName) {
    if (const vcl::THandle resModule = vcl::LoadResourceModule(fileName)) gLibModule.ResInstance = resModule;
  }
  vcl::RegisterModule(&gLibModule);
}

void Detach() {
  vcl::UnregisterModule(&gLibModule);
  if (gLibModule.ResInstance != gLibModule.Instance) vcl::FreeResourceModule(gLibModule.ResInstance);
  gLibModule.ResInstance = gLibModule.Instance;
}

}  // namespace

// Called by the C runtime's own entry on load and unload; always reports success.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) Attach(instance);
  if (reason == DLL_PROCESS_DETACH) Detach();
  return TRUE;
}
