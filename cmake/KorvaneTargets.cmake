# korvane_library(name deps...): src/<name>/*.cpp as library korvane_<name>; a nested
# folder "station/queue" becomes korvane_station_queue.
function(korvane_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${name}/*.cpp ${PROJECT_SOURCE_DIR}/src/${name}/*.h)
  string(REPLACE "/" "_" target korvane_${name})
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC ${ARGN})
endfunction()

# korvane_render(name deps...): src/<name>/render/*.cpp as korvane_<name>_render, on top
# of korvane_<name>: pages and pictures painted with Qt GUI alone (PDF and PNG files), so
# that a program writing them needs no widgets.
function(korvane_render name)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${name}/render/*.cpp ${PROJECT_SOURCE_DIR}/src/${name}/render/*.h)
  add_library(korvane_${name}_render STATIC ${sources})
  target_include_directories(korvane_${name}_render PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(korvane_${name}_render PUBLIC korvane_${name} Qt6::Gui ${ARGN})
endfunction()

# korvane_widgets(name deps...): src/<name>/widgets/*.cpp as korvane_<name>_widgets,
# on top of korvane_<name>.
function(korvane_widgets name)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${name}/widgets/*.cpp ${PROJECT_SOURCE_DIR}/src/${name}/widgets/*.h)
  add_library(korvane_${name}_widgets STATIC ${sources})
  target_include_directories(korvane_${name}_widgets PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(korvane_${name}_widgets PUBLIC korvane_${name} Qt6::Widgets ${ARGN})
endfunction()

# korvane_test(dir deps...): tests/<dir>/*.cpp as one test program test_<dir>. Each
# test case is its own CTest test, labelled "integration" for tests/integration (real
# pseudo-terminals and programs) and "unit" for the rest.
function(korvane_test dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  string(REPLACE "/" "_" tname ${dir})
  add_executable(test_${tname} ${sources})
  target_link_libraries(test_${tname} PRIVATE korvane_test_support GTest::gmock ${ARGN})
  set(label unit)
  if(dir STREQUAL "integration")
    set(label integration)
  endif()
  gtest_discover_tests(test_${tname}
    TEST_PREFIX "${tname}."
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS ${label}
    DISCOVERY_TIMEOUT 60)
endfunction()
