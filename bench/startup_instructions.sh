#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up counted in instructions, which unlike milliseconds hardly move with
# the machine's load: Valgrind's callgrind counts every instruction each
# start-up probe runs, from the process's start to its first painted frame and
# its end, on one X server (Xvfb, started here). The calculator against the same controls
# made plainly, the bare window and the window with one label.
#
#   bench/startup_instructions.sh [BENCH_DIR]   (default build-bench/bench, as
#                                                bench/bench.sh builds it)
#
# Without a session bus, Qt's accessibility looks for one by starting
# dbus-launch in a forked child; callgrind counts that child apart, and only
# the program's own process (the larger count) is shown.
set -euo pipefail
cd "$(dirname "$0")/.."
bench=${1:-build-bench/bench}
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

count() {  # count PROBE: the instructions of its own process
    valgrind --tool=callgrind --callgrind-out-file="$out/$1.%p" "$bench/$1" >/dev/null 2>"$out/$1.log"
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$out/$1.log" | sort -n | tail -n 1
}

# One X server for every probe.
display_file="$out/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$out"' EXIT
for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$display_file") QT_QPA_PLATFORM=xcb

calculator=$(count stereometry_startup_probe)
plain=$(count plain_controls_startup_probe)
bare=$(count bare_window_startup_probe)
labelled=$(count labelled_window_startup_probe)
printf "%-18s %14s\n" "" "instructions"
printf "%-18s %14d\n" calculator "$calculator" "plain controls" "$plain" "bare Qt window" "$bare" \
    "window + 1 label" "$labelled"
awk -v c="$calculator" -v p="$plain" -v b="$bare" \
    'BEGIN { printf "calculator / the same controls made plainly %.3f; / bare window %.3f\n", c / p, c / b }'
