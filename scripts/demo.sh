#!/bin/sh
# Builds the VST 3 module, installs it for the current user (~/.vst3, where
# Linux hosts look for plug-ins) and plays the built-in demonstration through
# every deck type into out/, with a picture of the editor.
set -eu
cd "$(dirname "$0")/.."
scripts/install-packages.sh
cmake --preset release >/dev/null
cmake --build --preset release

mkdir -p "$HOME/.vst3"
rm -rf "$HOME/.vst3/VelkorTape.vst3"
cp -r build/release/VelkorTape.vst3 "$HOME/.vst3/"
echo "Installed $HOME/.vst3/VelkorTape.vst3"

build/release/tools/render/velkortape-render --bundle "$HOME/.vst3/VelkorTape.vst3" --all-decks out
build/release/tools/render/velkortape-render --bundle "$HOME/.vst3/VelkorTape.vst3" --editor out/editor.png
