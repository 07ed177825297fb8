# How long listing a test program's tests may take. Under Wine the first
# programs of a run start Wine's own services, which on a machine where Wine
# has never run takes far longer than a native start.
if(CMAKE_CROSSCOMPILING)
  set(VELKOR_DISCOVERY_TIMEOUT 600)
else()
  set(VELKOR_DISCOVERY_TIMEOUT 60)
endif()

# velkor_test(<name> SOURCES ... LIBS ...): one GoogleTest executable per subsystem.
function(velkor_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  velkor_warnings(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT ${VELKOR_DISCOVERY_TIMEOUT})
endfunction()
