#!/bin/sh
# Builds the optimised tree and runs the demonstration.
set -eu
cd "$(dirname "$0")/.."
scripts/install-packages.sh
cmake --preset release >/dev/null
cmake --build --preset release
build/release/tools/demo/velkortape-demo
