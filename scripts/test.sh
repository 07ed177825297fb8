#!/bin/sh
# Builds everything twice (optimised, then with address and undefined-behaviour
# sanitizers) and runs the whole test suite on both builds; the tests that run
# instances on several threads also run under the thread sanitizer.
set -eu
cd "$(dirname "$0")/.."
scripts/install-packages.sh
# The editor tests need an X server: without a display, a private Xvfb
# serves this run.
if [ -z "${DISPLAY:-}" ]; then
  if command -v Xvfb >/dev/null 2>&1; then
    . scripts/xvfb.sh
    velkor_start_xvfb
    trap velkor_stop_xvfb EXIT
  else
    echo "test.sh: no X display and no Xvfb; the editor tests will be skipped" >&2
  fi
fi
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
