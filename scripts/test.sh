#!/bin/sh
# Builds everything twice (optimised, then with address and undefined-behaviour
# sanitizers) and runs the whole test suite on both builds; the tests that run
# instances on several threads also run under the thread sanitizer.
set -eu
cd "$(dirname "$0")/.."
scripts/install-packages.sh
for preset in release asan tsan; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
# The Windows module too, where the cross compiler is installed: the
# dependencies it links are cached outside the repository after the first run.
if command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1; then
  scripts/windows/test.sh
fi
