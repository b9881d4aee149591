# The Debian package (cpack -G DEB, see scripts/package). Library dependencies are
# computed by dpkg-shlibdeps from the installed programs; only what no program links
# (Qt's platform plugins, its translations) is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Measuring amplifiers for water analysis over RS-232")
# Lines of at most 80 characters, as Debian's tools expect.
set(CPACK_PACKAGE_DESCRIPTION
    "Live values and recording, guided calibration, module configuration, setup\n"
    "files and printouts for measuring amplifiers (pH, redox, conductivity,\n"
    "turbidity, oxygen, ISE, chlorine) and their display units on a serial line.\n"
    "Includes korvane-cli for scripts, korvane-station, which publishes a bus over\n"
    "MQTT and Modbus TCP, and korvane-sim, a module simulator.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Korvane developers")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/data/debian/postinst ${PROJECT_SOURCE_DIR}/data/debian/conffiles)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/KorvaneEtc.cmake)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
