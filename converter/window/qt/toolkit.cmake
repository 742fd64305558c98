# The window's Qt 6 Widgets toolkit and the program pelmora.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
target_sources(pelmora_window PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/TFormQt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileCtrlQt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileCtrlLists.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileCtrlQt.h
  ${CMAKE_CURRENT_SOURCE_DIR}/icons/pelmora.qrc)
set_target_properties(pelmora_window PROPERTIES AUTORCC ON)
target_include_directories(pelmora_window PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_compile_definitions(pelmora_window PUBLIC PELMORA_WINDOW_CONTROLS="FileCtrlQt.h")
target_link_libraries(pelmora_window PUBLIC Qt6::Widgets)

add_executable(pelmora ${CMAKE_CURRENT_LIST_DIR}/pelmora.cpp)
target_link_libraries(pelmora PRIVATE pelmora_window)
pelmora_warnings(pelmora)
