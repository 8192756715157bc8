# CPack: one configuration, the generator chosen by platform. On Linux a Debian package
# (ol-haltdeck_<version>_amd64.deb) whose dependencies dpkg-shlibdeps finds from the built files.
# Windows' zip sets its own CPACK_* values; CPack reads them all at the include(CPack) below,
# which counts only once per project, so any other packaging file must come before this one.
set(CPACK_PACKAGE_NAME ol-haltdeck)
set(CPACK_PACKAGE_VENDOR OAK-LANTERN)
set(CPACK_PACKAGE_CONTACT "${HALTDECK_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${HALTDECK_HOMEPAGE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "power bar to shut down, restart, hibernate or log off computers")
# Without this CPack would use its generic template text as the long description.
set(CPACK_PACKAGE_DESCRIPTION
  "A narrow always-on-top bar of six picture buttons that shuts down, restarts,
hibernates or logs off this computer, after a confirmation or when a countdown
reaches zero, and remote computers by name, one or thirty at a time.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # Remote shutdown starts Samba's `net rpc shutdown`; local actions need nothing extra.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS samba-common-bin)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
endif()

include(CPack)
