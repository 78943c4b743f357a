# The help pages (docs/help/<language>/*.html and what they show), copied
# into the build as share/vomel/help so that a program run from the build
# finds them where an installed one does: ../share/vomel/help from its
# folder.
file(GLOB_RECURSE VOMEL_HELP_FILES CONFIGURE_DEPENDS
  RELATIVE ${CMAKE_SOURCE_DIR}/docs/help ${CMAKE_SOURCE_DIR}/docs/help/*)
set(VOMEL_BUILD_HELP_DIR ${CMAKE_BINARY_DIR}/share/vomel/help)

set(copied_help_files)
foreach(help_file IN LISTS VOMEL_HELP_FILES)
  add_custom_command(
    OUTPUT ${VOMEL_BUILD_HELP_DIR}/${help_file}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/docs/help/${help_file} ${VOMEL_BUILD_HELP_DIR}/${help_file}
    DEPENDS ${CMAKE_SOURCE_DIR}/docs/help/${help_file}
    VERBATIM)
  list(APPEND copied_help_files ${VOMEL_BUILD_HELP_DIR}/${help_file})
endforeach()
add_custom_target(vomel_help ALL DEPENDS ${copied_help_files}
  COMMENT "Copying the help pages into share/vomel/help")
if(VOMEL_BUILD_GUI)
  add_dependencies(vomel vomel_help)
endif()

install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/help/
  DESTINATION share/vomel/help)
