#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The web edition's browser tests: builds the site, takes the cases from the
# core's tables, the solver's school tasks, the answer checker's table and the
# reader's printed tasks, and drives the calculator's page, the problems page
# (by its fields and by its box for a task's text) and the worksheet page in
# headless Chromium; first, every character they and the solver write is
# checked against the site's own faces; last, all four pages as a class
# opens them from a messenger's link, on phones and a laptop.
#   tests/web/run.sh [BUILD_DIR]     (the site goes to BUILD_DIR-wasm/site)
set -euo pipefail
cd "$(dirname "$0")/../.."

build_dir=${1:-${BUILD_DIR:-build}}
wasm_dir=${WASM_BUILD_DIR:-$build_dir-wasm}
BUILD_DIR="$build_dir" WASM_BUILD_DIR="$wasm_dir" scripts/web_build.sh
cmake --build "$build_dir" --target stereometry_web_cases stereometry_solver_tasks stereometry_answer_cases \
    stereometry_printed_tasks stereometry-solve
"$build_dir/tests/stereometry_web_cases" "$wasm_dir/web_cases.json"
"$build_dir/tests/stereometry_solver_tasks" "$wasm_dir/school_tasks.json" --frustums --bodies
"$build_dir/tests/stereometry_answer_cases" "$wasm_dir/answer_cases.json"
"$build_dir/tests/stereometry_printed_tasks" "$wasm_dir/printed_tasks.json" --frustums
tests/web/node_modules.sh
status=0
# Every character the solver and the pages write, in the site's own faces.
/usr/bin/python3 tests/web/font_coverage_test.py "$wasm_dir/site" "$build_dir/stereometry-solve" \
    "$wasm_dir/school_tasks.json" || status=1
node tests/web/browser_test.mjs "$wasm_dir/site" "$wasm_dir/web_cases.json" || status=1
node tests/web/problems_test.mjs "$wasm_dir/site" "$wasm_dir/school_tasks.json" || status=1
node tests/web/sheet_test.mjs "$wasm_dir/site" "$wasm_dir/answer_cases.json" || status=1
node tests/web/pages_test.mjs "$wasm_dir/site" || status=1
node tests/web/text_test.mjs "$wasm_dir/site" "$wasm_dir/printed_tasks.json" || status=1
exit $status
