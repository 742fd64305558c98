# The Windows installer: packages/pelmora-<version>-win32.msi (win64 for the 64-bit build), made with
# wixl from packaging/pelmora.wxs.in. Per machine, under Program Files\pelmora, with a fixed upgrade
# code and a product code derived from it and the version, so that one version is one product.
# Programs that are not built are left out; pelmora.exe brings a Start-menu entry.
find_program(PELMORA_WIXL wixl)
find_program(PELMORA_MSIBUILD msibuild)  # from msitools: adds what wixl cannot write
if(NOT PELMORA_WIXL OR NOT PELMORA_MSIBUILD)
  message(STATUS "wixl or msibuild not found: no MSI")
  return()
endif()

set(PELMORA_MSI_UPGRADE_CODE 6F1D3A52-8C0B-4E27-9A4D-2B7E5C9F0A13)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(msi_arch x64)
  set(PELMORA_MSI_WIN64 yes)
  set(msi_suffix win64)
  set(PELMORA_MSI_PROGRAM_FILES ProgramFiles64Folder)
else()
  set(msi_arch x86)
  set(PELMORA_MSI_WIN64 no)
  set(msi_suffix win32)
  set(PELMORA_MSI_PROGRAM_FILES ProgramFilesFolder)
endif()
string(UUID PELMORA_MSI_PRODUCT_CODE NAMESPACE ${PELMORA_MSI_UPGRADE_CODE} NAME "${PROJECT_VERSION} ${msi_arch}"
       TYPE SHA1 UPPER)
set(PELMORA_MSI_FILE "${CMAKE_BINARY_DIR}/packages/pelmora-${PROJECT_VERSION}-${msi_suffix}.msi")

# One component per file; its id is the file's name without what WiX ids may not hold.
set(PELMORA_MSI_COMPONENTS "")
set(PELMORA_MSI_COMPONENT_REFS "")
set(msi_depends "")
function(pelmora_msi_file name source)
  string(MAKE_C_IDENTIFIER "${name}" id)
  # wixl takes a file's source relative to the .wxs file only.
  set(relative "$<PATH:RELATIVE_PATH,${source},${PELMORA_GEN}>")
  set(shortcut "")
  if(ARGN)
    # Started from the menu, the window opens on the user's documents, not on the program's DLLs.
    set(shortcut "\n              <Shortcut Id=\"${id}_menu\" Directory=\"ProgramMenuFolder\" Name=\"${ARGN}\" WorkingDirectory=\"PersonalFolder\" Advertise=\"no\"/>\n            ")
  endif()
  string(APPEND PELMORA_MSI_COMPONENTS
    "          <Component Id=\"${id}\" Guid=\"*\" Win64=\"${PELMORA_MSI_WIN64}\">\n"
    "            <File Id=\"${id}_file\" Name=\"${name}\" Source=\"${relative}\" KeyPath=\"yes\">${shortcut}</File>\n"
    "          </Component>\n")
  string(APPEND PELMORA_MSI_COMPONENT_REFS "      <ComponentRef Id=\"${id}\"/>\n")
  set(PELMORA_MSI_COMPONENTS "${PELMORA_MSI_COMPONENTS}" PARENT_SCOPE)
  set(PELMORA_MSI_COMPONENT_REFS "${PELMORA_MSI_COMPONENT_REFS}" PARENT_SCOPE)
endfunction()

# The Windows window's target; absent until it is built for Windows, and then installed with its entry.
if(TARGET pelmora)
  string(UUID PELMORA_MSI_ICON_COMPONENT NAMESPACE ${PELMORA_MSI_UPGRADE_CODE} NAME "DisplayIcon ${msi_arch}" TYPE SHA1 UPPER)
  pelmora_msi_file(pelmora.exe "$<TARGET_FILE:pelmora>" pelmora)
  list(APPEND msi_depends pelmora)
  # The list of programs shows the window's icon. Windows Installer writes DisplayIcon from
  # ARPPRODUCTICON after this (its cached copy of the same icon); Wine does not, so it is also
  # written here.
  string(APPEND PELMORA_MSI_COMPONENTS
    "          <Component Id=\"DisplayIcon\" Guid=\"${PELMORA_MSI_ICON_COMPONENT}\" Win64=\"${PELMORA_MSI_WIN64}\">\n"
    "            <RegistryValue Root=\"HKLM\" Key=\"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\[ProductCode]\"\n"
    "                           Name=\"DisplayIcon\" Type=\"string\" Value=\"[INSTALLDIR]pelmora.exe,0\" KeyPath=\"yes\"/>\n"
    "          </Component>\n")
  string(APPEND PELMORA_MSI_COMPONENT_REFS "      <ComponentRef Id=\"DisplayIcon\"/>\n")
endif()
foreach(target_and_file pelmora-convert:pelmora-convert.exe vouninst:vouninst.exe Korvex50:Korvex50.dll vcl50:vcl50.dll)
  string(REPLACE ":" ";" target_and_file "${target_and_file}")
  list(GET target_and_file 0 target)
  list(GET target_and_file 1 file)
  if(TARGET ${target})
    pelmora_msi_file(${file} "$<TARGET_FILE:${target}>")
    list(APPEND msi_depends ${target})
  endif()
endforeach()
pelmora_msi_file(LICENSE.txt "${PROJECT_SOURCE_DIR}/LICENSE")
if(TARGET Korvex50)
  foreach(dll ${KORVEX_RUNTIME_DLLS})
    get_filename_component(name "${dll}" NAME)
    pelmora_msi_file("${name}" "${dll}")
  endforeach()
endif()

set(PELMORA_MSI_ICON "${PROJECT_SOURCE_DIR}/converter/window/icons/win32/pelmora.ico")
file(RELATIVE_PATH PELMORA_MSI_ICON "${PELMORA_GEN}" "${PELMORA_MSI_ICON}")
string(UUID PELMORA_MSI_PATH_COMPONENT NAMESPACE ${PELMORA_MSI_UPGRADE_CODE} NAME "PATH ${msi_arch}" TYPE SHA1 UPPER)
# wixl has no Environment element: the PATH entry of the optional feature is imported into the
# finished database. "=-*PATH" sets the system variable on install and takes the entry out again on
# removal; "[~];" appends to what is there.
file(CONFIGURE OUTPUT "${PELMORA_GEN}/Environment.idt" @ONLY CONTENT
  "Environment\tName\tValue\tComponent_\ns72\tl255\tS255\ts72\nEnvironment\tEnvironment\nPelmoraPath\t=-*PATH\t[~];[INSTALLDIR]\tPathEntry\n")
set(msibuild_arguments -i "${PELMORA_GEN}/Environment.idt"
  -q "INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) VALUES ('RemoveEnvironmentStrings', 3300)"
  -q "INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) VALUES ('WriteEnvironmentStrings', 5200)")

configure_file("${PROJECT_SOURCE_DIR}/packaging/pelmora.wxs.in" "${PELMORA_GEN}/pelmora.wxs.in" @ONLY)
file(GENERATE OUTPUT "${PELMORA_GEN}/pelmora.wxs" INPUT "${PELMORA_GEN}/pelmora.wxs.in")
add_custom_command(OUTPUT "${PELMORA_MSI_FILE}"
  COMMAND "${CMAKE_COMMAND}" -E make_directory "${CMAKE_BINARY_DIR}/packages"
  COMMAND "${PELMORA_WIXL}" -a ${msi_arch} -o "${PELMORA_MSI_FILE}" "${PELMORA_GEN}/pelmora.wxs"
  COMMAND "${PELMORA_MSIBUILD}" "${PELMORA_MSI_FILE}" ${msibuild_arguments}
  DEPENDS "${PELMORA_GEN}/pelmora.wxs" ${msi_depends} "${PROJECT_SOURCE_DIR}/LICENSE" "${PELMORA_GEN}/Environment.idt"
  COMMENT "Making the MSI with wixl" VERBATIM)
add_custom_target(pelmora_msi ALL DEPENDS "${PELMORA_MSI_FILE}")

if(PELMORA_BUILD_TESTS AND TARGET vouninst)
  add_test(NAME vouninst_removes_what_the_msi_installed
           COMMAND bash "${PROJECT_SOURCE_DIR}/tests/uninstaller/e2e/vouninst_msi_e2e.sh" "${PELMORA_MSI_FILE}"
                   "$<TARGET_FILE:vouninst>" "{${PELMORA_MSI_PRODUCT_CODE}}")
  set_tests_properties(vouninst_removes_what_the_msi_installed PROPERTIES TIMEOUT 300)
endif()
