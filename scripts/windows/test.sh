#!/bin/sh
# The Windows build: builds the dependencies once (cached outside the
# repository), cross-compiles the module, the test host and the tests with
# mingw-w64, and runs the tests under Wine, the editor's in windows on an X
# server (a private Xvfb when there is no display). The Linux module's editor
# picture and its renders of the demonstration through every deck are made
# first: the Windows editor test compares its picture with the former, and
# the Windows module's renders are checked against the latter at the end.
set -eu
cd "$(dirname "$0")/../.."
root=$(pwd)
windows=$root/scripts/windows
build=$root/build/win
. "$windows/paths.sh"
. "$root/scripts/xvfb.sh"

"$windows/build-deps.sh"

# The same audio from both modules: hiss off, so nothing random takes part.
scripts/install-packages.sh
cmake --preset release >/dev/null
cmake --build --preset release --target velkortape-render VelkorTape
renders=$build/renders
rm -rf "$renders"
mkdir -p "$renders/windows" "$renders/linux"
build/release/tools/render/velkortape-render --quiet --editor "$renders/linux-editor.png"
build/release/tools/render/velkortape-render --quiet --bits float --set Hiss=off --all-decks "$renders/linux"

cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/Windows64Toolchain.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELKOR_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2

WINEPREFIX=$velkor_win_wineprefix
export WINEPREFIX
wine_server_started=
cleanup() {
  # The Wine server this job started, then the X server it used.
  if [ -n "$wine_server_started" ]; then
    wineserver -k 2>/dev/null || true
  fi
  velkor_stop_xvfb
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  velkor_start_xvfb
fi
# One Wine server for the whole run, with its desktop started before the
# tests: test programs that start while Wine's own processes come and go can
# stall for a long time.
mkdir -p "$WINEPREFIX"
# A server already running in the prefix (another job's) serves as well.
if wineserver -p 2>/dev/null; then
  wine_server_started=1
fi
# Warm Wine up before anything is timed: on a machine where it never ran,
# making the prefix and the first start of its services take minutes.
"$windows/wine-run.sh" cmd /c exit
"$windows/wine-run.sh" "$build/tests/win/win_platform_tests.exe" --gtest_filter='WineProbe.*' >/dev/null
VELKOR_LINUX_EDITOR_PICTURE=$renders/linux-editor.png \
  ctest --test-dir "$build" -j2 --timeout 300 --output-on-failure

"$windows/wine-run.sh" "$build/tests/win/velkortape-render-raw.exe" "$renders/windows"
python3 "$windows/compare-renders.py" "$renders/linux" "$renders/windows"
