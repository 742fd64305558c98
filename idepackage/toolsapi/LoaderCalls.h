#pragma once
// The platform's library loader behind four calls (PackageLoaderPosix.cpp, PackageLoaderWin.cpp).

#include <string>

namespace vcl::loader {

// Loads the library at path; raises EPackageLoadError with the loader's message on failure.
void* Open(const std::string& path);
// The exported symbol's address, or null.
void* Find(void* library, const char* name);
// Drops the reference Open took; false when the loader refuses.
bool Close(void* library);
// The full file name of the library holding this code.
std::string OwnFileName();
// The loader's message for its last failure.
std::string LastError();

}  // namespace vcl::loader
