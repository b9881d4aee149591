# The manual pages: man/<name>.<section>.scd, written in scdoc, with the version put in
# at configure time, turned into roff and compressed as Debian keeps manual pages.
find_program(KORVANE_SCDOC scdoc)
find_program(KORVANE_GZIP gzip)
if(NOT KORVANE_SCDOC OR NOT KORVANE_GZIP)
  message(FATAL_ERROR "scdoc and gzip not found: they make the manual pages (Debian: scdoc, installed by scripts/setup)")
endif()

file(GLOB KORVANE_MAN_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/man/*.scd)
set(KORVANE_MAN_PAGES)
foreach(source IN LISTS KORVANE_MAN_SOURCES)
  get_filename_component(page ${source} NAME_WLE)  # korvane-cli.1
  string(REGEX MATCH "[0-9]$" section ${page})
  set(versioned ${PROJECT_BINARY_DIR}/man/${page}.scd)
  set(roff ${PROJECT_BINARY_DIR}/man/${page})
  configure_file(${source} ${versioned} @ONLY)
  add_custom_command(
    OUTPUT ${roff}.gz
    COMMAND sh -c "\"$1\" < \"$2\" > \"$3\"" scdoc ${KORVANE_SCDOC} ${versioned} ${roff}
    COMMAND ${KORVANE_GZIP} -9nf ${roff}
    DEPENDS ${versioned}
    COMMENT "Writing the manual page ${page}"
    VERBATIM)
  list(APPEND KORVANE_MAN_PAGES ${roff}.gz)
  install(FILES ${roff}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endforeach()
add_custom_target(korvane_man ALL DEPENDS ${KORVANE_MAN_PAGES})
