#!/bin/sh
# The Windows build: builds the dependencies once (cached outside the
# repository), cross-compiles the module, the test host and the tests with
# mingw-w64, runs the tests under Wine, then renders the demonstration
# through every deck with the Windows module and checks it against the
# Linux module's render.
set -eu
cd "$(dirname "$0")/../.."
root=$(pwd)
windows=$root/scripts/windows
build=$root/build/win

"$windows/build-deps.sh"
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/Windows64Toolchain.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELKOR_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2
ctest --test-dir "$build" -j2 --timeout 300 --output-on-failure

# The same audio from both modules: hiss off, so nothing random takes part.
scripts/install-packages.sh
cmake --preset release >/dev/null
cmake --build --preset release --target velkortape-render VelkorTape
renders=$build/renders
rm -rf "$renders"
mkdir -p "$renders/windows" "$renders/linux"
"$windows/wine-run.sh" "$build/tests/win/velkortape-render-raw.exe" "$renders/windows"
build/release/tools/render/velkortape-render --quiet --bits float --set Hiss=off --all-decks "$renders/linux"
python3 "$windows/compare-renders.py" "$renders/linux" "$renders/windows"
