# What Debian's policy asks of every package beside the program: the copyright file in its
# machine-readable format, a changelog and a manual page, the last two compressed with gzip -9n.
find_program(HALTDECK_GZIP gzip REQUIRED)
set(HALTDECK_DEBIAN_DIR ${CMAKE_BINARY_DIR}/packaging/debian)

# The copyright file carries the licence's own text, indented, with " ." for empty lines.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" _ "${licence}")
set(HALTDECK_COPYRIGHT "${CMAKE_MATCH_1}")
string(REGEX REPLACE "^.*Copyright \\(c\\) [^\n]*\n\n" "" body "${licence}")
string(STRIP "${body}" body)
string(REPLACE "\n\n" "\n.\n" body "${body}")
string(REPLACE "\n" "\n " body "${body}")
set(HALTDECK_LICENCE_TEXT " ${body}")
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${HALTDECK_DEBIAN_DIR}/copyright @ONLY)
install(FILES ${HALTDECK_DEBIAN_DIR}/copyright DESTINATION ${HALTDECK_DOC_DIR})

# SOURCE_DATE_EPOCH, when set, fixes this date (and so the file) for a release.
string(TIMESTAMP HALTDECK_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${HALTDECK_DEBIAN_DIR}/changelog @ONLY)

# gzip -n leaves name and time out of the header, so the same text gives the same file.
function(haltdeck_gzip source out_var)
  get_filename_component(name ${source} NAME)
  set(copy ${HALTDECK_DEBIAN_DIR}/gz/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
    COMMAND ${HALTDECK_GZIP} -9nf ${copy}
    DEPENDS ${source}
    VERBATIM)
  set(${out_var} ${copy}.gz PARENT_SCOPE)
endfunction()

haltdeck_gzip(${HALTDECK_DEBIAN_DIR}/changelog changelog_gz)
haltdeck_gzip(${PROJECT_SOURCE_DIR}/packaging/ol-haltdeck.1 manpage_gz)
add_custom_target(haltdeck_debian_docs ALL DEPENDS ${changelog_gz} ${manpage_gz})
install(FILES ${changelog_gz} DESTINATION ${HALTDECK_DOC_DIR})
install(FILES ${manpage_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
