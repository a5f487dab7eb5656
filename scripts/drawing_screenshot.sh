#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Draws the pictures of docs/drawings.md anew with stereometry-solve --svg and
# headless Chromium:
#   docs/drawing-phone.png  a cone and a pyramid on a 360-pixel phone
#   docs/drawing-dark.png   a cube and a tall cylinder there in the dark scheme
#   docs/net-pyramid.png    the pyramid's net printed on A4 (Chromium's PDF through pdftoppm)
#   docs/net-cone.png       the cone's net printed the same way
# BUILD_DIR chooses the build directory (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build}
BUILD_DIR="$build_dir" SETUP_TARGET=stereometry-solve scripts/setup.sh poppler-utils pngquant
tests/web/node_modules.sh

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
solve() { "$build_dir/stereometry-solve" "$@"; }
solve --svg=figure cone r=3cm h=4cm Q=? >"$work/figure-cone.svg"
solve --svg=figure pyramid n=4 a=6cm h=4cm >"$work/figure-pyramid.svg"
solve --svg=figure cube V=27cm³ >"$work/figure-cube.svg"
solve --svg=figure cylinder r=1cm h=20cm >"$work/figure-cylinder.svg"
solve --svg=net pyramid n=4 a=6cm h=4cm >"$work/net-pyramid.svg"
solve --svg=net cone r=3cm h=4cm >"$work/net-cone.svg"

node scripts/drawing_screenshot.mjs "$work" docs
for net in pyramid cone; do
    pdftoppm -r 60 -png -singlefile "$work/net-$net.pdf" "docs/net-$net"
done
for picture in drawing-phone drawing-dark net-pyramid net-cone; do
    pngquant --force --skip-if-larger --output "docs/$picture.png" "docs/$picture.png" || true
    echo "docs/$picture.png"
done
