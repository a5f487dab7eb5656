#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the benchmarks (Release) and runs them: time per press of every handler,
# on the field store alone and through the window offscreen, the time to write
# a solved task's figure and net as SVG, then start-up and
# peak memory against a bare Qt window and against the same controls made
# plainly, offscreen and, where xvfb-run is installed, on an X server, and
# where Valgrind is, the same start-ups counted in instructions.
#
#   bench/bench.sh                 (BUILD_DIR=build-bench RUNS=31 by default)
#   BENCH_FILTER='window/' bench/bench.sh
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build-bench}
runs=${RUNS:-31}

# The usual set-up (packages, Release build) plus Google Benchmark.
BUILD_DIR="$build_dir" scripts/setup.sh libbenchmark-dev
cmake -S . -B "$build_dir" -DSTEREOMETRY_BUILD_BENCH=ON >/dev/null
cmake --build "$build_dir" --target stereometry_press_bench stereometry_drawing_bench stereometry_startup_bench \
    stereometry_startup_probe bare_window_startup_probe labelled_window_startup_probe \
    plain_controls_startup_probe

bench="$build_dir/bench"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

echo "== Presses"
QT_QPA_PLATFORM=offscreen "$bench/stereometry_press_bench" --benchmark_filter="${BENCH_FILTER:-.}"

echo
echo "== Drawings: a solved task's figure and net as SVG"
"$bench/stereometry_drawing_bench" --benchmark_filter="${BENCH_FILTER:-.}"

echo
echo "== Start-up, offscreen"
QT_QPA_PLATFORM=offscreen "$bench/stereometry_startup_bench" "$runs"

if command -v xvfb-run >/dev/null 2>&1; then
    echo
    echo "== Start-up, on Xvfb"
    xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb "$bench/stereometry_startup_bench" "$runs"
fi

if command -v valgrind >/dev/null 2>&1 && command -v Xvfb >/dev/null 2>&1; then
    echo
    echo "== Start-up in instructions, on Xvfb"
    bench/startup_instructions.sh "$bench"
fi
