# iv_version_resource(TARGET DESCRIPTION): gives a Windows program or DLL a version resource
# (VERSIONINFO) with the project's version, compiled by the resource compiler (windres).
enable_language(RC)

function(iv_version_resource target description)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "SHARED_LIBRARY")
    set(IV_RC_FILE_TYPE VFT_DLL)
    set(IV_RC_FILE ${target}.dll)
  else()
    set(IV_RC_FILE_TYPE VFT_APP)
    set(IV_RC_FILE ${target}.exe)
  endif()
  set(IV_RC_NAME ${target})
  set(IV_RC_DESCRIPTION "${description}")
  set(rc ${PROJECT_BINARY_DIR}/version-resources/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/windows/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
