# Converts the sample letter with pelmora-convert under valgrind: no memory error and no leak (valgrind's exit code),
# and the page is the sample's golden page byte for byte (the title is the source as given, so it runs in examples/).
#   cmake -DVALGRIND=... -DCONVERT=... -DSOURCE_DIR=... -DPAGE=... -P ValgrindConvert.cmake
execute_process(
  COMMAND "${VALGRIND}" --quiet --leak-check=full --error-exitcode=1 "${CONVERT}" -o "${PAGE}" letter.rtf
  WORKING_DIRECTORY "${SOURCE_DIR}/examples"
  RESULT_VARIABLE status
  ERROR_VARIABLE report)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "valgrind or pelmora-convert failed (exit ${status}):\n${report}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${PAGE}" "${SOURCE_DIR}/tests/core/golden/letter.htm"
                RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "${PAGE} differs from tests/core/golden/letter.htm")
endif()
