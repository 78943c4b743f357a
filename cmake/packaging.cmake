# Install rules and the Debian package (cpack -G DEB in the build folder).
#
#   bin/vomel-cli, bin/vomel                      the programs
#   share/applications/vomel.desktop              the desktop entry
#   share/icons/hicolor/scalable/apps/vomel.svg   its icon
#   share/vomel/help/<language>/                  the help (cmake/help.cmake)
#   share/vomel/translations/*.qm                 the window's translations, when built
#   share/man/man1/vomel-cli.1.gz                 the manual page of vomel-cli
#   share/doc/vomel/                              the README, the references of docs/ and the examples
#
# The programs look for share/vomel/... from their own folder (../share),
# so the tree may be installed under any prefix.
include(GNUInstallDirs)

if(TARGET vomel-cli)
  install(TARGETS vomel-cli RUNTIME DESTINATION bin)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
file(GLOB VOMEL_REFERENCE_DOCS ${CMAKE_SOURCE_DIR}/docs/*.md)
install(FILES ${VOMEL_REFERENCE_DOCS} DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

if(VOMEL_BUILD_GUI)
  install(TARGETS vomel RUNTIME DESTINATION bin)
  install(FILES ${CMAKE_SOURCE_DIR}/docs/vomel.desktop DESTINATION share/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/docs/vomel.svg DESTINATION share/icons/hicolor/scalable/apps)

  # The .qm files the desktop program's build made from
  # gui/translations/*.ts (the program also embeds them): looked for when
  # installing, not when configuring, so that they need not exist yet.
  install(CODE "
    file(GLOB_RECURSE vomel_qm_files \"${CMAKE_BINARY_DIR}/gui/*.qm\")
    if(vomel_qm_files)
      file(INSTALL \${vomel_qm_files} DESTINATION \"\${CMAKE_INSTALL_PREFIX}/share/vomel/translations\")
    endif()")
endif()

# The manual page, compressed as Debian installs manual pages.
find_program(VOMEL_GZIP gzip REQUIRED)
set(VOMEL_MAN_PAGE ${CMAKE_BINARY_DIR}/man/vomel-cli.1.gz)
add_custom_command(
  OUTPUT ${VOMEL_MAN_PAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
  COMMAND ${VOMEL_GZIP} -9 -n -c ${CMAKE_SOURCE_DIR}/docs/vomel-cli.1 > ${VOMEL_MAN_PAGE}
  DEPENDS ${CMAKE_SOURCE_DIR}/docs/vomel-cli.1
  VERBATIM)
add_custom_target(vomel_man_page ALL DEPENDS ${VOMEL_MAN_PAGE})
install(FILES ${VOMEL_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The maker's details come from the desktop program's settings; a build
# without it still names a maintainer.
if(NOT VOMEL_EMAIL)
  set(VOMEL_AUTHOR "Vomel developers")
  set(VOMEL_EMAIL "vomel@localhost")
endif()

set(CPACK_PACKAGE_NAME vomel)
set(CPACK_PACKAGE_VENDOR "${VOMEL_ORGANISATION}")
set(CPACK_PACKAGE_CONTACT "${VOMEL_AUTHOR} <${VOMEL_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "station, offset and foot of surveyed points on a road's design line")
set(CPACK_PACKAGE_DESCRIPTION
  "For every surveyed point (X, Y) Vomel finds the foot of the perpendicular on a road's horizontal design line - given by its intersection points with spirals and chain breaks, or as a chain of elements for interchange ramps - and reports the station, the offset (left positive) and the foot. A Qt desktop program and the command line vomel-cli.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY vomel)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VOMEL_HOMEPAGE}")
# The shared libraries the programs link (Qt 6, pugixml, the C++ runtime)
# are found by dpkg-shlibdeps; Qt's platform plugins are loaded at run time,
# so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(VOMEL_BUILD_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  # Qt's own dialogs in Chinese.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
endif()
set(CPACK_GENERATOR DEB)
include(CPack)
