# GoogleTest for the Windows build, compiled with the cross compiler from
# Debian's googletest source package (no mingw build of it is packaged).
# It defines the same GTest::gtest and GTest::gtest_main as find_package(GTest).
set(VELKOR_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source tree")
if(NOT EXISTS ${VELKOR_GOOGLETEST_SOURCE}/googletest/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${VELKOR_GOOGLETEST_SOURCE}: install the googletest package")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
# SYSTEM: its headers are held to their own warning flags, not ours.
add_subdirectory(${VELKOR_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
