# The window pelmora (Qt 6 Widgets) over the converter core.
find_package(Qt6 REQUIRED COMPONENTS Widgets)

add_library(pelmora_window STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/Forms.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/FileCtrl.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/FileCtrlDrives.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/FileCtrlLists.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/FileCtrlRead.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/FileCtrl.h
  ${CMAKE_CURRENT_SOURCE_DIR}/pmrform.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/icons/pelmora.qrc)
set_target_properties(pelmora_window PROPERTIES AUTORCC ON)
target_include_directories(pelmora_window PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(pelmora_window PUBLIC pmrconv pelmora_common pelmora_page_rules Qt6::Widgets)
pelmora_warnings(pelmora_window)

add_executable(pelmora ${CMAKE_CURRENT_SOURCE_DIR}/pelmora.cpp)
target_link_libraries(pelmora PRIVATE pelmora_window)
pelmora_warnings(pelmora)
