#pragma once
// What a host and a design-time package agree on: the unit table and the unmangled entry points
// the host looks up after loading the package.

#include <cstdint>

namespace vcl {

using TUnitProc = void (*)();

// One unit's initialisation and finalisation procedure; either may be null (nothing to do).
struct TPackageUnitEntry {
  TUnitProc Init;
  TUnitProc FInit;
};

// The package's units in initialisation order.
struct TPackageInfoTable {
  int32_t UnitCount;
  const TPackageUnitEntry* UnitInfo;
};

// Entry points, exported under these names with C linkage.
using TInitializeProc = void (*)();             // "Initialize": unit initialisations in table order
using TFinalizeProc = void (*)();               // "Finalize": unit finalisations in reverse order
using TGetPackageInfoTableProc = const TPackageInfoTable* (*)();  // "GetPackageInfoTable"
using TRegisterProc = void (*)();               // "Register": once per load, after Initialize
// "FindPackageResource": the bytes of the named resource (owned by the package, valid while it
// is loaded) and their count in *Size, or null for an unknown name.
using TFindPackageResourceProc = const void* (*)(const char* Name, uint32_t* Size);

}  // namespace vcl
