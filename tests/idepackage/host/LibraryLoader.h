#pragma once
// The platform's library loader, behind three calls, so that another platform's loader can take
// its place (LibraryLoaderPosix.cpp: dlopen).

#include <string>

namespace testhost::loader {

using TLibraryHandle = void*;

// Loads the library at path; null on failure, with the loader's message in error.
TLibraryHandle OpenLibrary(const std::string& path, std::string& error);
// The address of an exported symbol, or null.
void* FindSymbol(TLibraryHandle library, const char* name);
// Drops the reference OpenLibrary took; false on failure.
bool CloseLibrary(TLibraryHandle library);
// True while the library at path is in the process (without loading it).
bool IsLoaded(const std::string& path);

}  // namespace testhost::loader
