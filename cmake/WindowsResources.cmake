# What Windows shows of the shipped files: a version record in every program and DLL that has none
# of its own (pelmora.exe and Korvex50.dll bring theirs), and pelmora.exe's manifest.

# Adds a version record to target; FILE_TYPE is VFT_APP or VFT_DLL, LANGUAGE the texts' language.
function(pelmora_version_resource target file_name description file_type language)
  if(NOT TARGET ${target})
    return()
  endif()
  set(PELMORA_RC_FILE "${file_name}")
  set(PELMORA_RC_NAME "${target}")
  set(PELMORA_RC_DESCRIPTION "${description}")
  set(PELMORA_RC_TYPE "${file_type}")
  set(PELMORA_RC_LANGUAGE "${language}")
  string(SUBSTRING "${language}" 2 4 block)  # 0x0407 gives 0407, then the code page 1252 as hex
  set(PELMORA_RC_BLOCK "${block}04E4")
  configure_file("${PROJECT_SOURCE_DIR}/packaging/version.rc.in" "${PELMORA_GEN}/${target}-version.rc" @ONLY)
  target_sources(${target} PRIVATE "${PELMORA_GEN}/${target}-version.rc")
endfunction()

pelmora_version_resource(pelmora-convert pelmora-convert.exe "RTF-to-HTML converter for the command line" VFT_APP
                         0x0407)
pelmora_version_resource(vouninst vouninst.exe "Uninstaller" VFT_APP 0x0409)
pelmora_version_resource(vcl50 vcl50.dll "Host interface of the Korvex50 package" VFT_DLL 0x0409)

if(TARGET pelmora)
  configure_file("${PROJECT_SOURCE_DIR}/packaging/pelmora.exe.manifest" "${PELMORA_GEN}/pelmora.exe.manifest" @ONLY)
  file(WRITE "${PELMORA_GEN}/pelmora-manifest.rc.in"
       "// The application manifest (resource type 24, id 1).\n1 24 \"${PELMORA_GEN}/pelmora.exe.manifest\"\n")
  configure_file("${PELMORA_GEN}/pelmora-manifest.rc.in" "${PELMORA_GEN}/pelmora-manifest.rc" COPYONLY)
  target_sources(pelmora PRIVATE "${PELMORA_GEN}/pelmora-manifest.rc")
  set_source_files_properties("${PELMORA_GEN}/pelmora-manifest.rc" PROPERTIES
                              OBJECT_DEPENDS "${PELMORA_GEN}/pelmora.exe.manifest")
endif()
