# vorlix_add_test(NAME SOURCES src... LIBS lib...)
# Builds one GoogleTest executable and registers its cases with CTest.
include(GoogleTest)

function(vorlix_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock vorlix_options)
  target_compile_definitions(${name} PRIVATE VORLIX_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES)
endfunction()
