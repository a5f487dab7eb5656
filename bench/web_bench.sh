#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The web edition's benchmark (not a test): builds the site and a static page
# with the same controls and no script, serves both and measures them in
# headless Chromium. See bench/web_bench.mjs for what is measured.
#
#   bench/web_bench.sh            (RUNS=31 by default)
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build}
wasm_dir=${WASM_BUILD_DIR:-$build_dir-wasm}
scripts/web_build.sh >/dev/null
tests/web/node_modules.sh

# The yardstick: the page's controls, pictures and fonts, no script and no module.
static=$wasm_dir/static-page
rm -rf "$static"
mkdir -p "$static"
"$build_dir/web/stereometry_page" static "$static/index.html"
cp -r "$wasm_dir/site/pictures" "$wasm_dir/site/fonts" "$static/"
rm "$static/fonts/LICENSE.txt"

node bench/web_bench.mjs "$wasm_dir/site" "$static" "${RUNS:-31}"
