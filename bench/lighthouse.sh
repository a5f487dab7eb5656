#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Lighthouse's audits of the web edition (a benchmark, not a test): builds the
# site, serves it with web/serve.mjs on a free local port and runs Lighthouse 12
# in Debian's Chromium on the calculator's page, on the problems page (a task
# solved) and on the worksheet page (a sheet), RUNS times with the mobile preset and RUNS times with the
# desktop one. Prints per page and preset the medians of the four category scores
# and the failing audits; bench/lighthouse.mjs says what exactly.
#
#   bench/lighthouse.sh      (RUNS=3 by default; PAGE=guide.html audits the guide)
#
# Lighthouse is a tool of this benchmark alone: it is installed from npm into
# ${LIGHTHOUSE_DIR:-build-bench/lighthouse} when missing, not into the
# project's package.json, and uses the system's Chromium (CHROMIUM, default
# /usr/bin/chromium); it downloads no browser. Lighthouse 13 needs Node.js 22.
# The JSON reports stay in that folder's reports/.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build}
wasm_dir=${WASM_BUILD_DIR:-$build_dir-wasm}
tool_dir=${LIGHTHOUSE_DIR:-build-bench/lighthouse}
version=12.2.3

# Lighthouse would look for another browser where this one is missing.
chromium=${CHROMIUM:-/usr/bin/chromium}
if [ ! -x "$chromium" ]; then
    echo "No Chromium at $chromium (CHROMIUM names another; Debian's package is chromium)" >&2
    exit 1
fi

if [ ! -f "$build_dir/build.ninja" ]; then
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
BUILD_DIR="$build_dir" WASM_BUILD_DIR="$wasm_dir" scripts/web_build.sh >/dev/null

have=$(node -p "try { require(require('path').resolve('$tool_dir/node_modules/lighthouse/package.json')).version } catch { '' }")
if [ "$have" != "$version" ]; then
    mkdir -p "$tool_dir"
    npm install --prefix "$tool_dir" --no-audit --no-fund --loglevel=error "lighthouse@$version"
fi

CHROME_PATH=$chromium node bench/lighthouse.mjs "$wasm_dir/site" \
    "$tool_dir/node_modules/lighthouse/cli/index.js" "$tool_dir/reports" "${RUNS:-3}"
