#!/usr/bin/env bash
# Builds the screenshot tool and draws the window into docs/.
#   scripts/screenshot.sh          -> docs/window.png
#   scripts/screenshot.sh 2        -> docs/window-200.png (QT_SCALE_FACTOR=2)
# BUILD_DIR chooses the build directory (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."

scale=${1:-1}
build_dir=${BUILD_DIR:-build}
if [ ! -f "$build_dir/build.ninja" ]; then
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build_dir" --target stereometry_screenshot

mkdir -p docs
if [ "$scale" = "1" ]; then
    out=docs/window.png
else
    percent=$(awk -v s="$scale" 'BEGIN { printf "%d", s * 100 + 0.5 }')
    out=docs/window-$percent.png
fi
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR="$scale" "$build_dir/src/stereometry_screenshot" "$out"
echo "$out"
