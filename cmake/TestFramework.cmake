# GoogleTest: the installed package natively; for a cross build the sources Debian ships
# in /usr/src/googletest are built with the cross compiler (nothing is downloaded).
include(GoogleTest)
if(CMAKE_CROSSCOMPILING)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
  # googletest 1.11 and later define the GTest:: names themselves; older ones do not.
  foreach(lib gtest gtest_main gmock gmock_main)
    if(TARGET ${lib} AND NOT TARGET GTest::${lib})
      add_library(GTest::${lib} ALIAS ${lib})
    endif()
  endforeach()

  # Each emulated run costs a fresh Wine prefix, so a cross-built test program is one CTest test
  # that runs all its cases in one go, instead of one discovery run at build time and one Wine
  # start per case. Same signature as the GoogleTest module's function, for the options used here.
  function(gtest_discover_tests target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "WORKING_DIRECTORY;TEST_PREFIX;TEST_SUFFIX;DISCOVERY_TIMEOUT;DISCOVERY_MODE;TEST_LIST"
                          "EXTRA_ARGS;PROPERTIES;TEST_FILTER")
    set(workdir "${CMAKE_CURRENT_BINARY_DIR}")
    if(arg_WORKING_DIRECTORY)
      set(workdir "${arg_WORKING_DIRECTORY}")
    endif()
    set(name "${arg_TEST_PREFIX}${target}${arg_TEST_SUFFIX}")
    add_test(NAME "${name}" COMMAND ${target} ${arg_EXTRA_ARGS} WORKING_DIRECTORY "${workdir}")
    if(arg_PROPERTIES)
      set_tests_properties("${name}" PROPERTIES ${arg_PROPERTIES})
    endif()
  endfunction()
else()
  find_package(GTest REQUIRED)
endif()
