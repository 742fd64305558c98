# Korvex50: one Ctrl+Alt+Down press through the test host on a 10 MB source, and the bare scan.
if(NOT TARGET korvex_testhost)
  add_subdirectory("${PROJECT_SOURCE_DIR}/tests/idepackage/host" "${CMAKE_BINARY_DIR}/bench/korvex_testhost")
endif()
add_executable(korvex_bench "${CMAKE_CURRENT_LIST_DIR}/idepackage/KorvexBench.cpp")
target_link_libraries(korvex_bench PRIVATE KorvexUtils korvex_testhost benchmark::benchmark)
target_compile_definitions(korvex_bench PRIVATE KORVEX50_PATH="$<TARGET_FILE:Korvex50>")
add_dependencies(korvex_bench Korvex50)
pelmora_warnings(korvex_bench)
