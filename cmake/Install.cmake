# Where the tools go on a Linux system (GNUInstallDirs), and the packages CPack builds from that
# layout: Debian packages natively, a zip for the Windows build.
include(GNUInstallDirs)
set(PELMORA_GEN "${CMAKE_BINARY_DIR}/packaging")
file(MAKE_DIRECTORY "${PELMORA_GEN}")

# Debian wants documentation compressed, reproducibly (no name or time stamp inside).
function(pelmora_gzip source output)
  add_custom_command(OUTPUT "${output}"
    COMMAND gzip -9nc "${source}" > "${output}"
    DEPENDS "${source}" VERBATIM)
endfunction()

if(NOT WIN32)
  set(gz_files)
  foreach(page pelmora-convert.1 pelmora.1 changelog)
    pelmora_gzip("${PROJECT_SOURCE_DIR}/packaging/${page}" "${PELMORA_GEN}/${page}.gz")
    list(APPEND gz_files "${PELMORA_GEN}/${page}.gz")
  endforeach()
  add_custom_target(pelmora_docs ALL DEPENDS ${gz_files})

  # Every Debian package carries its copyright and changelog.
  function(pelmora_package_docs component package)
    install(FILES "${PROJECT_SOURCE_DIR}/packaging/copyright" "${PELMORA_GEN}/changelog.gz"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/${package}" COMPONENT ${component})
  endfunction()
endif()

if(TARGET pelmora-convert AND NOT WIN32)
  install(TARGETS pelmora-convert RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT converter)
  install(FILES "${PELMORA_GEN}/pelmora-convert.1.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT converter)
  # bash-completion loads a command's file by the command's name, when the command is first completed.
  install(FILES packaging/pelmora-convert.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
          RENAME pelmora-convert COMPONENT converter)
  pelmora_package_docs(converter pelmora)
endif()
if(TARGET pelmora AND NOT WIN32)
  install(TARGETS pelmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT converter)
  install(FILES "${PELMORA_GEN}/pelmora.1.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT converter)
  install(FILES packaging/pelmora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT converter)
  install(FILES packaging/pelmora.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT converter)
endif()

if(TARGET Korvex50 AND TARGET vcl50)
  # What a host author builds against: the host interface's headers, the loader helper, the keys'
  # names and the version, all under include/korvex50 (included as <korvex50/...>). The package's
  # own units stay inside it.
  file(GLOB korvex_public_headers "${PROJECT_SOURCE_DIR}/idepackage/toolsapi/include/korvex50/*.h")
  set(korvex_public_headers ${korvex_public_headers} "${PROJECT_SOURCE_DIR}/common/Exception.h"
                            "${KORVEX_GENERATED_INCLUDE}/korvex50/Version.h")
  set(KORVEX_INCLUDEDIR "${CMAKE_INSTALL_INCLUDEDIR}")
  set(korvex_cmakedir "${CMAKE_INSTALL_LIBDIR}/cmake/Korvex50")
  if(WIN32)
    set(KORVEX_VCL50_FILE "${CMAKE_INSTALL_BINDIR}/vcl50.dll")
    set(KORVEX_VCL50_IMPLIB "${CMAKE_INSTALL_LIBDIR}/libvcl50.dll.a")
    set(KORVEX_MODULE_FILE "${CMAKE_INSTALL_BINDIR}/Korvex50.dll")
    set(KORVEX_RUN_PATH "${CMAKE_INSTALL_BINDIR}")  # unused: DLLs are found beside the program
  else()
    set(KORVEX_VCL50_FILE "${PELMORA_KORVEX_LIBDIR}/libvcl50.so")
    set(KORVEX_VCL50_IMPLIB "${KORVEX_VCL50_FILE}")
    set(KORVEX_MODULE_FILE "${PELMORA_KORVEX_LIBDIR}/Korvex50.so")
    # The private folder is not on the system linker's path: an installed host finds it by its run path.
    set(KORVEX_RUN_PATH "${PELMORA_KORVEX_LIBDIR}")
  endif()
  include(CMakePackageConfigHelpers)
  configure_package_config_file(cmake/Korvex50Config.cmake.in "${PELMORA_GEN}/Korvex50Config.cmake"
    INSTALL_DESTINATION "${korvex_cmakedir}"
    PATH_VARS KORVEX_VCL50_FILE KORVEX_VCL50_IMPLIB KORVEX_MODULE_FILE KORVEX_INCLUDEDIR KORVEX_RUN_PATH)
  write_basic_package_version_file("${PELMORA_GEN}/Korvex50ConfigVersion.cmake" COMPATIBILITY SameMajorVersion)
endif()

if(TARGET Korvex50 AND TARGET vcl50 AND NOT WIN32)
  # The package finds the host interface beside itself, wherever the prefix is.
  set_target_properties(Korvex50 PROPERTIES INSTALL_RPATH "$ORIGIN")
  install(TARGETS Korvex50 LIBRARY DESTINATION ${PELMORA_KORVEX_LIBDIR} COMPONENT korvex)
  install(TARGETS vcl50 LIBRARY DESTINATION ${PELMORA_KORVEX_LIBDIR} COMPONENT korvex NAMELINK_SKIP)
  install(FILES ${korvex_public_headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/korvex50 COMPONENT korvexdev)
  pelmora_package_docs(korvex korvex50)
  pelmora_package_docs(korvexdev korvex50-dev)

  # The kit for host authors: find_package(Korvex50) and pkg-config korvex50, both relocatable.
  install(FILES "${PELMORA_GEN}/Korvex50Config.cmake" "${PELMORA_GEN}/Korvex50ConfigVersion.cmake"
          DESTINATION "${korvex_cmakedir}" COMPONENT korvexdev)
  file(RELATIVE_PATH KORVEX_PC_TO_PREFIX "/prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/prefix")
  configure_file(packaging/korvex50.pc.in "${PELMORA_GEN}/korvex50.pc" @ONLY)
  install(FILES "${PELMORA_GEN}/korvex50.pc" DESTINATION "${CMAKE_INSTALL_LIBDIR}/pkgconfig" COMPONENT korvexdev)
endif()

if(TARGET korvex50-geany AND NOT WIN32)
  # Into Geany's own plugin folder; the plugin finds the host interface library by its run path.
  install(TARGETS korvex50-geany LIBRARY DESTINATION "${KORVEX_GEANY_PLUGINDIR}" COMPONENT korvexgeany)
  pelmora_package_docs(korvexgeany korvex50-geany)
endif()

if(WIN32 AND TARGET vouninst)
  install(TARGETS vouninst RUNTIME DESTINATION . COMPONENT uninstaller)
endif()
if(WIN32)
  install(FILES packaging/README-windows.txt DESTINATION . COMPONENT docs)
  install(FILES LICENSE DESTINATION . RENAME LICENSE.txt COMPONENT docs)
endif()
if(WIN32 AND TARGET pelmora-convert)
  # The zip is flat: the programs beside their README.
  install(TARGETS pelmora-convert RUNTIME DESTINATION . COMPONENT converter)
endif()
if(WIN32 AND TARGET pelmora)
  install(TARGETS pelmora RUNTIME DESTINATION . COMPONENT converter)
endif()
if(WIN32 AND TARGET Korvex50 AND TARGET vcl50)
  # The package, its host interface and the C++ runtime they share with their host, side by side.
  install(FILES "$<TARGET_FILE:Korvex50>" "$<TARGET_FILE:vcl50>" ${KORVEX_RUNTIME_DLLS} DESTINATION . COMPONENT korvex)

  # The kit for Windows host authors, a zip of its own: headers, the import library, the DLLs a
  # host ships beside itself, the CMake package configuration and the example host. Only an install of
  # its component lays it out, so the program zip (a full install) leaves it out.
  install(FILES ${korvex_public_headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/korvex50 COMPONENT korvexkit EXCLUDE_FROM_ALL)
  install(FILES "$<TARGET_LINKER_FILE:vcl50>" DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT korvexkit EXCLUDE_FROM_ALL)
  install(FILES "$<TARGET_FILE:Korvex50>" "$<TARGET_FILE:vcl50>" ${KORVEX_RUNTIME_DLLS}
          DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT korvexkit EXCLUDE_FROM_ALL)
  install(FILES "${PELMORA_GEN}/Korvex50Config.cmake" "${PELMORA_GEN}/Korvex50ConfigVersion.cmake"
          DESTINATION "${korvex_cmakedir}" COMPONENT korvexkit EXCLUDE_FROM_ALL)
  install(FILES examples/korvex-host/CMakeLists.txt examples/korvex-host/main.cpp
          DESTINATION examples/korvex-host COMPONENT korvexkit EXCLUDE_FROM_ALL)
  install(FILES LICENSE DESTINATION . RENAME LICENSE.txt COMPONENT korvexkit EXCLUDE_FROM_ALL)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(kit_name "pelmora-${PROJECT_VERSION}-win64-kit")
  else()
    set(kit_name "pelmora-${PROJECT_VERSION}-win32-kit")
  endif()
  set(PELMORA_KIT_ZIP "${CMAKE_BINARY_DIR}/packages/${kit_name}.zip")
  set(kit_stage "${CMAKE_BINARY_DIR}/kit")
  add_custom_command(OUTPUT "${PELMORA_KIT_ZIP}"
    COMMAND "${CMAKE_COMMAND}" -E rm -rf "${kit_stage}"
    COMMAND "${CMAKE_COMMAND}" --install "${CMAKE_BINARY_DIR}" --component korvexkit --prefix "${kit_stage}/${kit_name}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${CMAKE_BINARY_DIR}/packages"
    COMMAND "${CMAKE_COMMAND}" -E chdir "${kit_stage}" "${CMAKE_COMMAND}" -E tar cf "${PELMORA_KIT_ZIP}" --format=zip
            "${kit_name}"
    DEPENDS Korvex50 vcl50 ${korvex_public_headers} "${PELMORA_GEN}/Korvex50Config.cmake" LICENSE
            examples/korvex-host/CMakeLists.txt examples/korvex-host/main.cpp
    COMMENT "Packing the Korvex50 kit" VERBATIM)
  add_custom_target(korvex_kit_zip ALL DEPENDS "${PELMORA_KIT_ZIP}")
  if(PELMORA_BUILD_TESTS)
    add_test(NAME korvex_windows_kit_builds_and_runs_the_example_host
             COMMAND bash "${PROJECT_SOURCE_DIR}/tests/idepackage/kit/windows_kit.sh" "${PELMORA_KIT_ZIP}"
                     "${CMAKE_CXX_COMPILER}" "${PROJECT_SOURCE_DIR}")
    set_tests_properties(korvex_windows_kit_builds_and_runs_the_example_host PROPERTIES TIMEOUT 300)
  endif()
endif()
if(WIN32)
  include(WindowsResources)
  include(WindowsInstaller)
endif()

set(CPACK_PACKAGE_NAME pelmora)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "pelmora developers")
set(CPACK_PACKAGE_CONTACT "pelmora developers <dev@pelmora.invalid>")
# CPack puts a summary other than its default before every package's own description; each of ours
# begins with its own summary line.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CMAKE_PROJECT_NAME} built using CMake")
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}/packages")
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/build/;/\\\\.git/")

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME "pelmora-${PROJECT_VERSION}-win32")
  set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEB_COMPONENT_INSTALL ON)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${CMAKE_BINARY_DIR}/idepackage/toolsapi")
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

  set(CPACK_DEBIAN_CONVERTER_PACKAGE_NAME pelmora)
  set(CPACK_DEBIAN_CONVERTER_PACKAGE_SECTION text)
  set(CPACK_DEBIAN_CONVERTER_DESCRIPTION "RTF to HTML converter, with a dialog window and a command-line tool
pelmora turns Rich Text Format documents into simple HTML pages: bold,
italic, underline, strike-out, superscript and subscript, font faces, sizes
and colours, alignment, breaks and bordered tables. The window picks a file
and writes the page beside it; pelmora-convert does the same for scripts and
batch work.")

  set(CPACK_DEBIAN_KORVEX_PACKAGE_NAME korvex50)
  set(CPACK_DEBIAN_KORVEX_PACKAGE_SECTION devel)
  set(CPACK_DEBIAN_KORVEX_DESCRIPTION "identifier navigation package for an IDE host
Korvex50 is a package library that an IDE host loads. Ctrl+Alt+Up and
Ctrl+Alt+Down jump to the previous or next whole-word occurrence of the
identifier at the caret; Ctrl+Alt+Left and Ctrl+Alt+Right jump to the
remembered identifier. The host interface library it needs comes with it.")

  set(CPACK_DEBIAN_KORVEXDEV_PACKAGE_NAME korvex50-dev)
  set(CPACK_DEBIAN_KORVEXDEV_PACKAGE_SECTION libdevel)
  set(CPACK_DEBIAN_KORVEXDEV_PACKAGE_DEPENDS "korvex50 (= ${PROJECT_VERSION})")
  set(CPACK_DEBIAN_KORVEXDEV_DESCRIPTION "identifier navigation package for an IDE host - development kit
The headers of the Korvex50 package's units and of the host interface it is
built against, with a CMake package configuration (find_package(Korvex50))
and a pkg-config file (korvex50), for hosts and tools that drive the package.")
  set(CPACK_COMPONENTS_ALL converter korvex korvexdev)

  if(TARGET korvex50-geany)
    set(CPACK_DEBIAN_KORVEXGEANY_PACKAGE_NAME korvex50-geany)
    set(CPACK_DEBIAN_KORVEXGEANY_PACKAGE_SECTION editors)
    set(CPACK_DEBIAN_KORVEXGEANY_PACKAGE_DEPENDS "geany-abi-${KORVEX_GEANY_ABI}, korvex50 (= ${PROJECT_VERSION})")
    set(CPACK_DEBIAN_KORVEXGEANY_DESCRIPTION "identifier navigation in Geany with the Korvex50 package
A Geany plugin that loads the Korvex50 package. Once it is enabled in the
Plugin Manager, Ctrl+Alt+Up and Ctrl+Alt+Down jump to the previous or next
whole-word occurrence of the identifier at the caret, and Ctrl+Alt+Left and
Ctrl+Alt+Right to those of the remembered identifier. The keys can be changed
in the keybinding group Korvex50 of Geany's preferences.")
    list(APPEND CPACK_COMPONENTS_ALL korvexgeany)
  endif()
endif()

include(CPack)
