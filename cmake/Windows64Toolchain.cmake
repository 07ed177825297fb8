# Cross-compiles the Windows x64 build with Debian's mingw-w64 (posix threads
# flavour), against the static libraries that scripts/windows/build-deps.sh
# builds into a prefix outside the repository:
#   cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/Windows64Toolchain.cmake
# The prefix is $VELKOR_WIN64_CACHE/win64-deps (by default under
# ~/.cache/velkortape), or VELKOR_WIN64_DEPS when given.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELKOR_WIN64_HOST x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELKOR_WIN64_HOST}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELKOR_WIN64_HOST}-g++-posix)
set(CMAKE_RC_COMPILER ${VELKOR_WIN64_HOST}-windres)

if(NOT VELKOR_WIN64_DEPS)
  if(DEFINED ENV{VELKOR_WIN64_CACHE})
    set(VELKOR_WIN64_DEPS $ENV{VELKOR_WIN64_CACHE}/win64-deps)
  elseif(DEFINED ENV{XDG_CACHE_HOME})
    set(VELKOR_WIN64_DEPS $ENV{XDG_CACHE_HOME}/velkortape/win64-deps)
  else()
    set(VELKOR_WIN64_DEPS $ENV{HOME}/.cache/velkortape/win64-deps)
  endif()
endif()
set(VELKOR_WIN64_DEPS ${VELKOR_WIN64_DEPS} CACHE PATH "Prefix of the cross-compiled Windows dependencies")

# Libraries only from the prefix and the toolchain; headers and files may
# also come from the build machine (the VST 3 SDK and the font are portable).
set(CMAKE_FIND_ROOT_PATH ${VELKOR_WIN64_DEPS} /usr/${VELKOR_WIN64_HOST})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(PKG_CONFIG_EXECUTABLE ${VELKOR_WIN64_DEPS}/bin/${VELKOR_WIN64_HOST}-pkg-config CACHE FILEPATH "")

# Every binary carries its own C and C++ runtime, so the module and the test
# programs import nothing but Windows system libraries. A DLL exports none of
# what it takes from static libraries (the linker would otherwise export
# everything when the DLL marks nothing for export).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--exclude-libs,ALL")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--exclude-libs,ALL")

# Test programs, and GoogleTest's test discovery, run under Wine. Discovery
# waits for CTest, which runs with the X server and the Wine server of the
# test job, rather than running Wine at every link.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/windows/wine-run.sh)
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
