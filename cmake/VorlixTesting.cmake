# vorlix_add_test(NAME SOURCES src... LIBS lib...)
# Builds one GoogleTest executable and registers its cases with CTest.
include(GoogleTest OPTIONAL)

function(vorlix_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock vorlix_options)
  target_compile_definitions(${name} PRIVATE VORLIX_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES)
endfunction()

# vorlix_add_gui_test(NAME SOURCES src... LIBS lib...)
# Builds one Qt Test executable that drives real widgets on the offscreen platform.
function(vorlix_add_gui_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test vorlix_qt_options)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS gui ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# vorlix_add_ui_library(NAME SOURCES src... LIBS lib...)
# A library of widgets and dialogs; Qt is allowed here and nowhere in the logic libraries.
function(vorlix_add_ui_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS} vorlix_qt_options)
endfunction()
