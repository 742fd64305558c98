# pelmora-convert: the converter core's command-line face. The command lives in a library so that its tests and
# the program share it; the program itself is only main.
set(PELMORA_CLI_DIR ${CMAKE_CURRENT_LIST_DIR}/cli)
add_library(pelmora_convert_cli STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ConvertCommand.cpp
  ${PELMORA_CLI_DIR}/CommandOptions.cpp
  ${PELMORA_CLI_DIR}/DocumentList.cpp
  ${PELMORA_CLI_DIR}/ProgressLine.cpp
)
if(WIN32)
  target_sources(pelmora_convert_cli PRIVATE ${PELMORA_CLI_DIR}/ConsoleTextWin32.cpp ${PELMORA_CLI_DIR}/FileSystemWin32.cpp)
else()
  target_sources(pelmora_convert_cli PRIVATE ${PELMORA_CLI_DIR}/ConsoleTextPosix.cpp ${PELMORA_CLI_DIR}/FileSystemPosix.cpp)
endif()
target_include_directories(pelmora_convert_cli PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(pelmora_convert_cli PUBLIC pmrconv pelmora_page_rules)
target_compile_definitions(pelmora_convert_cli PRIVATE PELMORA_VERSION="${PROJECT_VERSION}")
pelmora_warnings(pelmora_convert_cli)

add_executable(pelmora-convert ${CMAKE_CURRENT_LIST_DIR}/pelmora-convert.cpp)
target_link_libraries(pelmora-convert PRIVATE pelmora_convert_cli)
pelmora_warnings(pelmora-convert)
