#include <korvex50/LibModules.h>

namespace vcl {
namespace {
TLibModule* gModules = nullptr;  // modules load and unload on one thread, under the loader's lock
}  // namespace

void RegisterModule(TLibModule* Module) {
  for (const TLibModule* m = gModules; m != nullptr; m = m->Next) {
    if (m == Module) return;
  }
  Module->Next = gModules;
  gModules = Module;
}

void UnregisterModule(TLibModule* Module) {
  for (TLibModule** link = &gModules; *link != nullptr; link = &(*link)->Next) {
    if (*link == Module) {
      *link = Module->Next;
      Module->Next = nullptr;
      return;
    }
  }
}

THandle FindResourceHInstance(THandle Instance) {
  for (const TLibModule* m = gModules; m != nullptr; m = m->Next) {
    if (m->Instance == Instance && m->ResInstance != nullptr) return m->ResInstance;
  }
  return Instance;
}

std::string ResourceModuleName(std::string_view ModuleName) {
  const std::size_t folderEnd = ModuleName.find_last_of("\\/:");
  const std::size_t nameStart = folderEnd == std::string_view::npos ? 0 : folderEnd + 1;
  const std::size_t dot = ModuleName.rfind('.');
  const std::size_t stem = dot == std::string_view::npos || dot < nameStart ? ModuleName.size() : dot;
  return std::string(ModuleName.substr(0, stem)) + ".rsm";
}

}  // namespace vcl
