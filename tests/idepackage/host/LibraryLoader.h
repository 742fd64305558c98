#pragma once
// The platform's library loader, behind a few calls (LibraryLoaderPosix.cpp: dlopen;
// LibraryLoaderWin.cpp: LoadLibrary).

#include <string>

namespace testhost::loader {

using TLibraryHandle = void*;

// Loads the library at path; null on failure, with the loader's message in error. The libraries it
// needs are looked for beside it first.
TLibraryHandle OpenLibrary(const std::string& path, std::string& error);
// The address of an exported symbol, or null.
void* FindSymbol(TLibraryHandle library, const char* name);
// Drops the reference OpenLibrary took; false on failure.
bool CloseLibrary(TLibraryHandle library);
// True while the library at path is in the process (without loading it).
bool IsLoaded(const std::string& path);
// Lets the host hear the library's beeps through the runtime's beep hook: on Windows the package
// imports MessageBeep from user32, and that import is pointed at the hook; elsewhere it beeps
// through the runtime already. False when the library has no such import.
bool RouteBeeps(TLibraryHandle library);

}  // namespace testhost::loader
