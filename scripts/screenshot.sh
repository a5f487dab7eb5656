#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the screenshot tool and draws the pictures of docs/ anew:
#   docs/window.png       the window as it opens, at 100 %
#   docs/window-200.png   the same at 200 % (QT_SCALE_FACTOR=2)
#   docs/error.png        the message box of a press with the sphere's radius empty
#   docs/long-results.png results wider than their fields, shown rounded
#   docs/tooltip.png      how the cylinder's volume was found, in its tooltip
#   docs/problems-window.png  the problems window with a cone solved
# Usage: scripts/screenshot.sh [SCALE]   with a SCALE such as 1.5, only
# docs/window-150.png. BUILD_DIR chooses the build directory (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build}
if [ ! -f "$build_dir/build.ninja" ]; then
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build_dir" --target stereometry_screenshot
tool="$build_dir/src/stereometry_screenshot"
mkdir -p docs

# draw SCALE OUT [OPTIONS...]
draw() {
    local scale=$1 out=$2
    shift 2
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR="$scale" "$tool" "$out" "$@"
    echo "$out"
}

window_at() {
    local scale=$1
    if [ "$scale" = "1" ]; then
        draw 1 docs/window.png
    else
        draw "$scale" "docs/window-$(awk -v s="$scale" 'BEGIN { printf "%d", s * 100 + 0.5 }').png"
    fi
}

if [ $# -gt 0 ]; then
    window_at "$1"
else
    window_at 1
    window_at 2
    draw 1 docs/error.png --error
    draw 1 docs/long-results.png --long
    draw 1 docs/tooltip.png --long --tooltip
    # On a 1366 × 768 laptop's screen, the school's most common.
    QT_QPA_PLATFORM="offscreen:configfile=$PWD/tests/ui/laptop_screen.json" "$tool" docs/problems-window.png \
        --problems cone r=3cm h=4cm
    echo docs/problems-window.png
fi
