# The Windows package: ol-haltdeck-<version>-windows-x86_64.zip with the program, the Qt
# DLLs and plugins it loads, and the compiler's runtime DLLs, everything stripped.
#   cpack -G ZIP        (in the build folder)
if(NOT WIN32)
  return()
endif()

# Beside the tests, which start it by its bare name.
set_target_properties(ol-haltdeck PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

install(TARGETS ol-haltdeck RUNTIME DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets RUNTIME DESTINATION .)
# Qt looks for its plugins in folders named after their kind beside the program.
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin
  RUNTIME DESTINATION platforms LIBRARY DESTINATION platforms)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin
  RUNTIME DESTINATION styles LIBRARY DESTINATION styles)
if(HALTDECK_MINGW_RUNTIME_DLLS)
  install(FILES ${HALTDECK_MINGW_RUNTIME_DLLS} DESTINATION .)
endif()

# install(--strip) strips only the targets built here; the DLLs come unstripped.
if(CMAKE_STRIP)
  install(CODE "
    file(GLOB_RECURSE haltdeck_binaries \"\${CMAKE_INSTALL_PREFIX}/*.dll\" \"\${CMAKE_INSTALL_PREFIX}/*.exe\")
    foreach(binary \${haltdeck_binaries})
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${binary}\" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()")
endif()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ol-haltdeck)
set(CPACK_PACKAGE_VENDOR "OAK-LANTERN")
set(CPACK_PACKAGE_FILE_NAME "ol-haltdeck-${PROJECT_VERSION}-windows-x86_64")
set(CPACK_PACKAGE_CHECKSUM SHA256)
include(CPack)
