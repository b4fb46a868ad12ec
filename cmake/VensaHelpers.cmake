# vensa_library(NAME SOURCES... [DEPS libs...]): one static library per folder.
function(vensa_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE vensa_warnings)
endfunction()

# vensa_test(NAME SOURCES... [DEPS libs...]): one GoogleTest executable registered with CTest.
function(vensa_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest_main vensa_warnings)
  target_compile_definitions(${name} PRIVATE VENSA_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()
