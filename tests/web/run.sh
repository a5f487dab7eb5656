#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The web edition's browser test: builds the site, takes the cases from the
# core's tables, and drives the page in headless Chromium.
#   tests/web/run.sh [BUILD_DIR]     (the site goes to BUILD_DIR-wasm/site)
set -euo pipefail
cd "$(dirname "$0")/../.."

build_dir=${1:-${BUILD_DIR:-build}}
wasm_dir=${WASM_BUILD_DIR:-$build_dir-wasm}
BUILD_DIR="$build_dir" WASM_BUILD_DIR="$wasm_dir" scripts/web_build.sh
cmake --build "$build_dir" --target stereometry_web_cases
"$build_dir/tests/stereometry_web_cases" "$wasm_dir/web_cases.json"
tests/web/node_modules.sh
node tests/web/browser_test.mjs "$wasm_dir/site" "$wasm_dir/web_cases.json"
