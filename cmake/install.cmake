# What `cmake --install` puts where: the program in bin/, its README and licence under
# share/doc/ol-haltdeck/, and on Linux what the desktop needs to find and describe it.
include(GNUInstallDirs)

# One application id names the desktop entry, the icon and the metainfo. example.org is
# reserved for examples (RFC 2606), so the id claims no one's domain.
set(HALTDECK_APP_ID org.example.OLHaltdeck)
set(HALTDECK_MAINTAINER "OAK-LANTERN <oak-lantern@example.com>")
set(HALTDECK_HOMEPAGE "https://example.org/ol-haltdeck/")
# Debian wants the package's own name here, not GNUInstallDirs' project-name default.
set(HALTDECK_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/ol-haltdeck)

install(TARGETS ol-haltdeck RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES README.md LICENSE DESTINATION ${HALTDECK_DOC_DIR})
# The README shows these pictures by relative path.
install(DIRECTORY docs/ DESTINATION ${HALTDECK_DOC_DIR}/docs FILES_MATCHING PATTERN "*.png")

if(UNIX AND NOT APPLE)
  include(${CMAKE_CURRENT_LIST_DIR}/freedesktop.cmake)
  include(${CMAKE_CURRENT_LIST_DIR}/debian_docs.cmake)
endif()
