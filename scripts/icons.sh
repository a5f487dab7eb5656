#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Draws the application icon's PNGs anew from its SVG, into the same hicolor
# tree: resources/icons/hicolor/<N>x<N>/apps/<application id>.png.
# The PNGs are kept in git, so neither the build nor the package needs this
# script or librsvg; run it after changing the SVG and commit what it writes.
# It installs librsvg2-bin (rsvg-convert) when run as root and it is missing.
# Usage: scripts/icons.sh
set -euo pipefail
cd "$(dirname "$0")/.."

app_id=bg.lica_i_obemi.stereometry
icons=resources/icons/hicolor
svg=$icons/scalable/apps/$app_id.svg
# 16 to 256 for the desktop; 192 and 512 also for the web edition's manifest.
sizes=(16 22 24 32 48 64 128 192 256 512)

if ! command -v rsvg-convert >/dev/null 2>&1; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "rsvg-convert is missing. Run as root: apt-get install -y librsvg2-bin" >&2
        exit 1
    fi
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends librsvg2-bin
fi

for size in "${sizes[@]}"; do
    mkdir -p "$icons/${size}x$size/apps"
    rsvg-convert --width "$size" --height "$size" "$svg" -o "$icons/${size}x$size/apps/$app_id.png"
done
echo "drew ${#sizes[@]} PNGs from $svg with $(rsvg-convert --version)"
