# The desktop entry, the hicolor icons rendered from the SVG, and the AppStream metainfo.
set(HALTDECK_ICON_SVG ${PROJECT_SOURCE_DIR}/resources/pictures/app_icon.svg)
set(HALTDECK_ICON_SIZES 16 22 24 32 48 64 128 256)
set(HALTDECK_ICON_DIR ${CMAKE_BINARY_DIR}/icons/hicolor)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/${HALTDECK_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${HALTDECK_ICON_SVG}
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps
  RENAME ${HALTDECK_APP_ID}.svg)

# Only packaging needs the PNG sizes: a plain build without librsvg2-bin still works.
find_program(HALTDECK_RSVG_CONVERT rsvg-convert)
if(HALTDECK_RSVG_CONVERT)
  set(pngs)
  foreach(size IN LISTS HALTDECK_ICON_SIZES)
    set(dir ${HALTDECK_ICON_DIR}/${size}x${size}/apps)
    add_custom_command(OUTPUT ${dir}/${HALTDECK_APP_ID}.png
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
      COMMAND ${HALTDECK_RSVG_CONVERT} --width ${size} --height ${size}
              --output ${dir}/${HALTDECK_APP_ID}.png ${HALTDECK_ICON_SVG}
      DEPENDS ${HALTDECK_ICON_SVG}
      VERBATIM)
    list(APPEND pngs ${dir}/${HALTDECK_APP_ID}.png)
    install(FILES ${dir}/${HALTDECK_APP_ID}.png
      DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(haltdeck_icons ALL DEPENDS ${pngs})
else()
  message(STATUS "rsvg-convert (librsvg2-bin) not found: only the SVG icon will be installed")
endif()

# SOURCE_DATE_EPOCH, when set, fixes this date (and so the file) for a release.
string(TIMESTAMP HALTDECK_RELEASE_DATE "%Y-%m-%d" UTC)
configure_file(${PROJECT_SOURCE_DIR}/packaging/${HALTDECK_APP_ID}.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/packaging/${HALTDECK_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${HALTDECK_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
