# Everything a user gets, in one place: the binaries with the description
# their version information carries, and the components the installer (or
# the launcher at its first start) registers. The installer and the zip take
# every file of the program folder; these lists say what is ours to register,
# describe and remove.
#
# Entries: "target|description|self-registering (YES/NO)".
set(CORVELLA_SHIPPED_BINARIES
  "corvella|Corvella desktop launcher|NO"
  "shortcutreader|Corvella shortcut reader|YES"
  "panorellhost|Panorell sample host|NO"
  "eject|Corvella eject library|NO"
)
# panorell.ocx carries its own version information (its own version number).
set(CORVELLA_SELF_REGISTERING shortcutreader.dll panorell.ocx)

# corvella_version_resource(TARGET DESCRIPTION SELF_REGISTERING): adds the
# version information of the product's one version number to TARGET.
function(corvella_version_resource target description self_registering)
  set(_name ${target})
  set(_description "${description}")
  get_target_property(_kind ${target} TYPE)
  if(_kind STREQUAL "EXECUTABLE")
    set(_type VFT_APP)
    set(_file ${target}.exe)
  else()
    set(_type VFT_DLL)
    set(_file ${target}.dll)
  endif()
  set(_numbers "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,0")
  if(PROJECT_VERSION_PATCH)
    set(_numbers "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
  endif()
  set(_self_register "")
  if(self_registering)
    # Tells installers that the file registers itself.
    set(_self_register "      VALUE \"OLESelfRegister\", \"\\0\"")
  endif()
  set(_rc ${CMAKE_BINARY_DIR}/version/${target}.rc)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/VersionInfo.rc.in ${_rc} @ONLY)
  target_sources(${target} PRIVATE ${_rc})
endfunction()

if(WIN32)
  foreach(entry IN LISTS CORVELLA_SHIPPED_BINARIES)
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 target)
    list(GET parts 1 description)
    list(GET parts 2 self_registering)
    if(TARGET ${target})
      corvella_version_resource(${target} "${description}" ${self_registering})
    endif()
  endforeach()
endif()

# The launcher's application manifest, embedded as its manifest resource.
if(TARGET corvella)
  set(_manifest_version "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0")
  set(_manifest ${CMAKE_BINARY_DIR}/version/corvella.exe.manifest)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/corvella.exe.manifest.in ${_manifest} @ONLY)
  set(_manifest_rc ${CMAKE_BINARY_DIR}/version/corvella-manifest.rc)
  file(WRITE ${_manifest_rc} "1 24 \"${_manifest}\"\n")
  set_source_files_properties(${_manifest_rc} PROPERTIES OBJECT_DEPENDS ${_manifest})
  target_sources(corvella PRIVATE ${_manifest_rc})
endif()
