# The program's texts: one translations/korvane_<code>.ts per language, compiled by
# lrelease and built into korvane_platform as :/i18n/korvane_<code>.qm.
# "ninja -C build update_translations" runs lupdate over src/ and apps/ and adds new
# texts to every .ts (unfinished until translated).
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
file(GLOB korvane_ts_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/korvane_*.ts)
file(GLOB_RECURSE korvane_text_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*.h ${PROJECT_SOURCE_DIR}/src/*.cpp
     ${PROJECT_SOURCE_DIR}/apps/*.h ${PROJECT_SOURCE_DIR}/apps/*.cpp)
qt_add_translations(korvane_platform
  TS_FILES ${korvane_ts_files}
  SOURCES ${korvane_text_sources}
  RESOURCE_PREFIX /i18n
  LUPDATE_OPTIONS -silent -locations none -no-obsolete
  LRELEASE_OPTIONS -silent)
