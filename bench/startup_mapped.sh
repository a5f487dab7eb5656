#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The calculator's start-up as a user sees it, against the same widget tree
# built plainly (bench/startup_probe.cpp with PLAIN_CONTROLS: the calculator's
# panels, labels, fields and buttons from the window description, Qt's
# defaults): from exec to the first window mapped, measured from outside both
# programs by stereometry_mapped_window_bench, started in turn on one Xvfb.
#
#   bench/startup_mapped.sh            (BUILD_DIR=build-bench, ROUNDS=21 starts
#                                       of each a run, RUNS=4 runs)
# Not a test. Its last results are in docs/speed.md.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build-bench}
rounds=${ROUNDS:-21}
runs=${RUNS:-4}

BUILD_DIR="$build_dir" SETUP_TARGET=stereometry scripts/setup.sh libbenchmark-dev libxcb1-dev xvfb
cmake -S . -B "$build_dir" -DSTEREOMETRY_BUILD_BENCH=ON >/dev/null
cmake --build "$build_dir" --target stereometry plain_controls_startup_probe stereometry_mapped_window_bench

work=$(mktemp -d)
display_file="$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
export DISPLAY=":$(cat "$display_file")" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"
unset QT_SCALE_FACTOR

echo "== exec to the first window mapped, $rounds starts of each per run, taking turns; load $(cut -d' ' -f1-3 /proc/loadavg)"
for run in $(seq "$runs"); do
    echo "-- run $run"
    "$build_dir/bench/stereometry_mapped_window_bench" "$rounds" \
        "$build_dir/src/stereometry" "$build_dir/bench/plain_controls_startup_probe"
done
