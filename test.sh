#!/usr/bin/env bash
# Installs what is missing, builds the Release build and runs the whole suite
# headless. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure
# As root: build the .deb, install it with apt-get, start it, remove it again.
if [ "$(id -u)" -eq 0 ]; then tests/packaging/deb_test.sh "${BUILD_DIR:-build}"; fi
