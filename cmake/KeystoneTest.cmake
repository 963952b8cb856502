# Every test program fails a test in which a dialog or modal window opens from a timer.
add_library(keystone_modal_watch OBJECT ${PROJECT_SOURCE_DIR}/tests/support/modal_watch.cpp)
target_link_libraries(keystone_modal_watch PUBLIC keystone_forms GTest::gtest)

# keystone_test(<name> SOURCES ... LIBS ...): one GoogleTest executable registered with CTest.
function(keystone_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE keystone_modal_watch ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE KEYSTONE_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name} NO_PRETTY_VALUES DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
endfunction()
