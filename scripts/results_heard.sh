#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Proves on the real accessibility bus (AT-SPI) that a completed press of
# "пресметни" sends its results to a screen reader once, and a failed press
# nothing: a virtual X display (Xvfb), a session bus of its own, the AT-SPI bus
# and registry it starts on demand, the calculator with Qt's bridge on, and
# scripts/results_heard.py listening and pressing as a screen reader would.
# Usage: scripts/results_heard.sh [BUILD_DIR]   (default: build, built already)
# Needs: xvfb dbus at-spi2-core python3-pyatspi
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath "${1:-${BUILD_DIR:-build}}")

scratch=$(mktemp -d)
chmod 700 "$scratch"
export XDG_RUNTIME_DIR="$scratch"
source scripts/virtual_display.sh
VIRTUAL_DISPLAY_PID=
trap 'kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null; wait "$VIRTUAL_DISPLAY_PID" 2>/dev/null; rm -rf "$scratch"' EXIT
start_virtual_display 1366x768 "$scratch"

# Without the buses' start-up notices.
dbus-run-session -- /usr/bin/python3 scripts/results_heard.py "$build_dir" 2>&1 |
    grep -v -e '^dbus-daemon\[' -e 'SpiRegistry daemon is running'
