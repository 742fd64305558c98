# The window's Win32 toolkit and pelmora.exe: a GUI-subsystem program with its icon and version, linked statically
# (the toolchain's flags), so it needs no DLLs beside it.
enable_language(RC)
target_sources(pelmora_window PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/TFormWin32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileCtrlWin32.cpp)
target_include_directories(pelmora_window PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_compile_definitions(pelmora_window PUBLIC PELMORA_WINDOW_CONTROLS="FileCtrlWin32.h")
target_link_libraries(pelmora_window PUBLIC mpr)
target_compile_definitions(pelmora_window PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)

set(ICONS ${CMAKE_CURRENT_SOURCE_DIR}/icons/win32)
configure_file(${CMAKE_CURRENT_LIST_DIR}/pelmora.rc.in ${CMAKE_CURRENT_BINARY_DIR}/pelmora.rc @ONLY)
# The resources go into each program that shows the window: a static library's would not be linked.
set(PELMORA_WINDOW_RESOURCES ${CMAKE_CURRENT_BINARY_DIR}/pelmora.rc CACHE INTERNAL "")

add_executable(pelmora WIN32 ${CMAKE_CURRENT_LIST_DIR}/WinMain.cpp ${PELMORA_WINDOW_RESOURCES})
target_link_libraries(pelmora PRIVATE pelmora_window)
pelmora_warnings(pelmora)
