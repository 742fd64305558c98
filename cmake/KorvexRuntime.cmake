# Korvex50 on Windows: host and package share one C++ runtime, so that exceptions and objects pass
# between them. Every module of the package, and every host that loads it, links the MinGW-w64
# runtime DLLs instead of a static copy of its own, and those DLLs travel with the package.

# The runtime DLLs of the cross compiler; libgcc's is named after its kind of exception handling.
set(runtime_dlls "")
foreach(dll libwinpthread-1.dll "libgcc_s_dw2-1.dll;libgcc_s_seh-1.dll;libgcc_s_sjlj-1.dll" libstdc++-6.dll)
  set(found "")
  foreach(name ${dll})
    execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${name}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}")
      set(path "${CMAKE_FIND_ROOT_PATH}/lib/${name}")  # libwinpthread sits with the MinGW-w64 headers
    endif()
    if(EXISTS "${path}")
      set(found "${path}")
      break()
    endif()
  endforeach()
  if(NOT found)
    message(FATAL_ERROR "No runtime DLL ${dll} found for ${CMAKE_CXX_COMPILER}")
  endif()
  get_filename_component(found "${found}" REALPATH)
  # The toolchain's copies carry their debug information (libstdc++ over 20 MB of it); ship them
  # stripped, as the build's own DLLs are.
  get_filename_component(name "${found}" NAME)
  set(stripped "${CMAKE_BINARY_DIR}/runtime/${name}")
  if(NOT EXISTS "${stripped}" OR "${found}" IS_NEWER_THAN "${stripped}")
    file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/runtime")
    execute_process(COMMAND "${CMAKE_STRIP}" --strip-unneeded -o "${stripped}" "${found}" RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "Cannot strip ${found} with ${CMAKE_STRIP}")
    endif()
  endif()
  list(APPEND runtime_dlls "${stripped}")
endforeach()
set(KORVEX_RUNTIME_DLLS "${runtime_dlls}" CACHE INTERNAL "")

# Drops the static runtime that the toolchain asks for, for the programs of the calling folder.
macro(korvex_use_shared_runtime)
  separate_arguments(korvex_exe_flags UNIX_COMMAND "${CMAKE_EXE_LINKER_FLAGS}")
  list(REMOVE_ITEM korvex_exe_flags -static -static-libgcc -static-libstdc++)
  list(JOIN korvex_exe_flags " " CMAKE_EXE_LINKER_FLAGS)
endmacro()

# Copies vcl50.dll and the runtime DLLs beside target's file after each build, so it runs in place.
function(korvex_runtime_beside target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND "${CMAKE_COMMAND}" -E copy_if_different "$<TARGET_FILE:vcl50>" ${KORVEX_RUNTIME_DLLS}
            "$<TARGET_FILE_DIR:${target}>"
    VERBATIM)
endfunction()
