#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Drives the real window under Xvfb, as a mischievous user and a desktop would,
# and measures it (not part of ./test.sh):
#   - pastes of 100 kB, 1 MB and 10 MB of digits (and one of exactly 5000, what a
#     field holds) into the sphere's radius with Ctrl+V, then "пресметни": the
#     slowest _NET_WM_PING answer, the peak memory, and the processor time while
#     the field keeps the focus;
#   - the soak: SOAK_COUNT (default 100000) error boxes, as many completed
#     presses and as many instruction boxes, memory sampled every 10,000;
#   - SIGTERM, SIGHUP and SIGINT while a box is open: the exit code.
# Goals: every answer under 100 ms, no processor time while idle, memory flat
# within 2 MB after the first thousand boxes.
# Usage: scripts/reliability.sh   (BUILD_DIR picks the build, SOAK_COUNT the soak's length)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh xvfb xclip libxcb1-dev libxcb-xtest0-dev
build_dir=${BUILD_DIR:-build}
calculator="$build_dir/src/stereometry"
driver="$build_dir/reliability_driver"
c++ -O2 -std=c++20 -Wall -Wextra tools/reliability_driver.cpp -o "$driver" \
    $(pkg-config --cflags --libs xcb xcb-xtest) -lpthread

# A display of our own.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
clipboard_owner=""
calculator_pid=""
work=$(mktemp -d)
cleanup() {
    [ -n "$calculator_pid" ] && kill "$calculator_pid" 2>/dev/null || true
    [ -n "$clipboard_owner" ] && kill "$clipboard_owner" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=":$display"
for _ in $(seq 100); do [ -S "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done

start_calculator() {
    "$calculator" >"$work/calculator.log" 2>&1 &
    calculator_pid=$!
}

# Ends the calculator with a signal; `status` is its exit code.
status=0
stop_calculator() {
    status=0
    kill "-$1" "$calculator_pid"
    wait "$calculator_pid" || status=$?
    calculator_pid=""
}

echo "Qt $(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null), $(nproc) cores, Xvfb :$display, no window manager"
echo

for bytes in 102400 1048576 10485760 5000; do
    head -c "$bytes" /dev/zero | tr '\0' 7 >"$work/paste.txt"
    [ -n "$clipboard_owner" ] && kill "$clipboard_owner" 2>/dev/null && wait "$clipboard_owner" 2>/dev/null || true
    xclip -selection clipboard -quiet -i "$work/paste.txt" >/dev/null 2>&1 &
    clipboard_owner=$!
    sleep 1
    start_calculator
    "$driver" paste "$calculator_pid" "$bytes"
    stop_calculator TERM
    echo "  SIGTERM afterwards: exit code $status"
done
kill "$clipboard_owner" 2>/dev/null || true
wait "$clipboard_owner" 2>/dev/null || true
clipboard_owner=""
echo

for signal in TERM HUP INT; do
    start_calculator
    "$driver" box "$calculator_pid"
    sleep 0.5
    started=$(date +%s%N)
    stop_calculator "$signal"
    echo "SIG$signal with an instruction box open: exit code $status after $(( ($(date +%s%N) - started) / 1000000 )) ms"
done
echo

count=${SOAK_COUNT:-100000}
start_calculator
"$driver" soak "$calculator_pid" "$count"
stop_calculator TERM
echo "  SIGTERM afterwards: exit code $status"
