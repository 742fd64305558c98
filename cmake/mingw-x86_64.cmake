# Cross build for 64-bit Windows with MinGW-w64, where the Windows tests run on machines that cannot run
# 32-bit code (the programs shipped are the 32-bit ones); test binaries run under wine64.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
