#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The problems page's benchmark (not a test): builds the site, and beside it
# the same site with the solver inside the calculator's module instead of a
# module of its own, serves both and measures them in headless Chromium. See
# bench/problems_bench.mjs for what is measured.
#
#   bench/problems_bench.sh [BASE_SITE]     (RUNS=15 by default)
#
# BASE_SITE: a site built before the problems page (scripts/web_build.sh on an
# older checkout), to measure what the problems page adds.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build}
wasm_dir=${WASM_BUILD_DIR:-$build_dir-wasm}
scripts/web_build.sh >/dev/null
WASM_BUILD_DIR="$wasm_dir" scripts/wasm_build.sh --target stereometry_web_with_solver >/dev/null
cmake --build "$build_dir" --target stereometry_solver_tasks >/dev/null
"$build_dir/tests/stereometry_solver_tasks" "$wasm_dir/school_tasks.json"
tests/web/node_modules.sh

# The other way: one module for both pages, inside each page's script and
# the problems page's worker.
other=$wasm_dir/site-solver-in-core
rm -rf "$other"
cp -r "$wasm_dir/site" "$other"
generator=$build_dir/web/stereometry_page
cat "$wasm_dir/web/core_with_solver.js" web/drawings.js web/page.js >"$wasm_dir/web/calculator-with-solver.js"
{ cat "$wasm_dir/web/core_with_solver.js"; echo "var createSolver = createCore;"; cat web/solver_start.js web/drawings.js web/problems.js; } \
    >"$wasm_dir/web/problems-in-core.js"
"$generator" index "$other/index.html" "$wasm_dir/web/calculator-with-solver.js"
"$generator" problems "$other/zadachi.html" "$wasm_dir/web/problems-in-core.js"
{ cat "$wasm_dir/web/core_with_solver.js"; echo "var createSolver = createCore;"; cat web/solver_start.js web/solver_worker.js; } \
    >"$other/solver-worker.js"
rm "$other/solver.wasm"

node bench/problems_bench.mjs "$wasm_dir/site" "$other" "$wasm_dir/school_tasks.json" "${RUNS:-15}" ${1:+"$1"}
