# pelmora-convert: the converter core's command-line face.
add_executable(pelmora-convert ${CMAKE_CURRENT_LIST_DIR}/pelmora-convert.cpp ${CMAKE_CURRENT_LIST_DIR}/ConvertCommand.cpp)
target_link_libraries(pelmora-convert PRIVATE pmrconv pelmora_page_rules)
target_compile_definitions(pelmora-convert PRIVATE PELMORA_VERSION="${PROJECT_VERSION}")
pelmora_warnings(pelmora-convert)
