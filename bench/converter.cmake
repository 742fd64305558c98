# pmrconv_bench: in-memory conversion of generated documents, CR LF and LF-only line ends.
add_executable(pmrconv_bench ${CMAKE_CURRENT_LIST_DIR}/converter/ConvertBench.cpp)
target_link_libraries(pmrconv_bench PRIVATE pmrconv benchmark::benchmark)
pelmora_warnings(pmrconv_bench)
