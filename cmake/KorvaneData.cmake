# The program's icon (data/korvane.svg) as PNGs of the usual sizes, rendered at build
# time, and what `cmake --install` puts beside the programs: icons, launcher, README and docs.
include(GNUInstallDirs)
find_program(KORVANE_RSVG_CONVERT rsvg-convert)
if(NOT KORVANE_RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert not found: it renders the icon (Debian: librsvg2-bin, installed by scripts/setup)")
endif()

set(KORVANE_ICON_SVG ${PROJECT_SOURCE_DIR}/data/korvane.svg)
set(KORVANE_ICON_SIZES 16 22 24 32 48 64 128 256)
set(KORVANE_ICON_PNGS)
foreach(size IN LISTS KORVANE_ICON_SIZES)
  set(png ${PROJECT_BINARY_DIR}/icons/${size}/korvane.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icons/${size}
    COMMAND ${KORVANE_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${KORVANE_ICON_SVG}
    DEPENDS ${KORVANE_ICON_SVG}
    COMMENT "Rendering the ${size}px icon"
    VERBATIM)
  list(APPEND KORVANE_ICON_PNGS ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(korvane_icons ALL DEPENDS ${KORVANE_ICON_PNGS})

# korvane_icon_resource(target): the PNGs as :/korvane/icons/<size>/korvane.png.
function(korvane_icon_resource target)
  qt_add_resources(${target} korvane_icons PREFIX /korvane BASE ${PROJECT_BINARY_DIR} FILES ${KORVANE_ICON_PNGS})
  add_dependencies(${target} korvane_icons)
endfunction()

install(FILES ${KORVANE_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/data/korvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/korvane)
# The guides by reader, with their pictures, where the README's links find them.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/korvane/docs)

# The station service: its example configuration, the systemd unit (not enabled) and
# its system user.
install(FILES ${PROJECT_SOURCE_DIR}/data/station.ini DESTINATION ${CMAKE_INSTALL_SYSCONFDIR}/korvane)
install(FILES ${PROJECT_SOURCE_DIR}/data/korvane-station.service DESTINATION lib/systemd/system)
install(FILES ${PROJECT_SOURCE_DIR}/data/korvane-station.sysusers DESTINATION lib/sysusers.d RENAME korvane-station.conf)
