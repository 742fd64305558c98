# What both MinGW-w64 cross builds share; the toolchain file that includes this sets CMAKE_SYSTEM_PROCESSOR
# (i686 or x86_64), which names the tools.
set(CMAKE_SYSTEM_NAME Windows)
set(pelmora_mingw_triplet ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${pelmora_mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${pelmora_mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${pelmora_mingw_triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${pelmora_mingw_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# GCC 12 reports bogus -Wrestrict overlaps inside inlined std::string concatenation at -O3 (GCC bug 105329,
# fixed in GCC 13), which would fail the Release build under -Werror.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")
# Self-contained executables: no MinGW runtime DLLs to ship beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# What ships is stripped: without symbols the programs and DLLs are a fraction of their size.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
set(CMAKE_SHARED_LINKER_FLAGS_RELEASE_INIT "-s")
set(CMAKE_MODULE_LINKER_FLAGS_RELEASE_INIT "-s")
# Test programs run under Wine, each in a throwaway prefix of its kind.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh")
