#!/usr/bin/env bash
# Installs what is missing, builds the program (not the tests: ./test.sh does)
# and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")"
SETUP_TARGET=stereometry scripts/setup.sh
exec "${BUILD_DIR:-build}/src/stereometry" "$@"
