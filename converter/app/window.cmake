# The window pelmora over the converter core: TForm1 and the controls' behaviour written once, drawn by Qt 6
# Widgets on Linux and by the Win32 API on Windows; the file system read through POSIX or Win32.
add_library(pelmora_window STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/Forms.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/FileSystem.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/FileCtrlCustom.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/pmrform.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/WindowStart.cpp)
target_include_directories(pelmora_window PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(pelmora_window PUBLIC pmrconv pelmora_common pelmora_page_rules)
target_compile_definitions(pelmora_window PRIVATE PELMORA_VERSION="${PROJECT_VERSION}")
pelmora_warnings(pelmora_window)

if(WIN32)
  include(${CMAKE_CURRENT_SOURCE_DIR}/win32/toolkit.cmake)
else()
  find_package(Qt6 REQUIRED COMPONENTS Widgets)
  target_sources(pelmora_window PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/FileSystemPosix.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/MountTable.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/qt/TForm.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/qt/FileCtrl.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/qt/FileCtrlLists.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/qt/FileCtrl.h
    ${CMAKE_CURRENT_SOURCE_DIR}/icons/pelmora.qrc)
  set_target_properties(pelmora_window PROPERTIES AUTORCC ON)
  target_include_directories(pelmora_window PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/qt)
  target_link_libraries(pelmora_window PUBLIC Qt6::Widgets)

  add_executable(pelmora ${CMAKE_CURRENT_SOURCE_DIR}/qt/pelmora.cpp)
  target_link_libraries(pelmora PRIVATE pelmora_window)
  pelmora_warnings(pelmora)
endif()
