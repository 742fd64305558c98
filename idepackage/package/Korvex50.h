#pragma once
// The entry points of the package library Korvex50, exported unmangled; nothing else leaves the
// library. Their shapes are those of PackageInfo.h.

#include <cstdint>

#include <korvex50/PackageInfo.h>

#if defined(_WIN32)
#define KORVEX50_EXPORT extern "C" __declspec(dllexport)
#else
#define KORVEX50_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// Runs the units' initialisations in table order.
KORVEX50_EXPORT void Initialize();
// Runs the units' finalisations in reverse order; the last one takes the key binding off the host.
KORVEX50_EXPORT void Finalize();
// The unit table (static, owned by the package).
KORVEX50_EXPORT const vcl::TPackageInfoTable* GetPackageInfoTable();
// Adds the package's key binding to the host; once per load, after Initialize.
KORVEX50_EXPORT void Register();
// The bytes of resource Name (DESCRIPTION, PACKAGEINFO, PACKAGEOPTIONS, VERSION or MAINICON; case
// does not matter) and their count in *Size, or null. The bytes live as long as the package is loaded.
KORVEX50_EXPORT const void* FindPackageResource(const char* Name, uint32_t* Size);
