#!/usr/bin/env bash
# Installs what is missing, builds the Release build and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
exec "${BUILD_DIR:-build}/src/stereometry" "$@"
