#pragma once
// Marks what the runtime stand-in library exports; everything else in it stays hidden.

#if defined(_WIN32)
#if defined(VCL50_BUILD)
#define VCL50_API __declspec(dllexport)
#else
#define VCL50_API __declspec(dllimport)
#endif
#else
#define VCL50_API __attribute__((visibility("default")))
#endif
