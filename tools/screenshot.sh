#!/bin/sh
# Starts the game under a virtual X server, selects a group and saves a
# picture of the window. Usage: tools/screenshot.sh BUILD_DIR OUTPUT.png
set -eu
build=$1
out=$(realpath -m "$2")
mkdir -p "$(dirname "$out")"
SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1024x768x24" "$build/bin/pelmora_screenshot" "$out"
echo "wrote $out"
