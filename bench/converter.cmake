# pmrconv_bench: in-memory conversion of generated documents, CR LF and LF-only line ends. pelmora-gen-rtf writes
# the same documents to files, for bench/compare-peers.sh.
add_library(pmrbench_gen STATIC ${CMAKE_CURRENT_LIST_DIR}/converter/GenerateRtf.cpp)
target_include_directories(pmrbench_gen PUBLIC ${CMAKE_CURRENT_LIST_DIR}/converter)
pelmora_warnings(pmrbench_gen)

add_executable(pmrconv_bench ${CMAKE_CURRENT_LIST_DIR}/converter/ConvertBench.cpp)
target_link_libraries(pmrconv_bench PRIVATE pmrconv pmrbench_gen benchmark::benchmark)
pelmora_warnings(pmrconv_bench)

add_executable(pelmora-gen-rtf ${CMAKE_CURRENT_LIST_DIR}/converter/pelmora-gen-rtf.cpp)
target_link_libraries(pelmora-gen-rtf PRIVATE pmrbench_gen)
pelmora_warnings(pelmora-gen-rtf)
