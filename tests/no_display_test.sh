#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Started where no display can be opened, the calculator must print one line
# that says so and names QT_QPA_PLATFORM=offscreen, and exit with status 1
# (not Qt's abort, status 134). One row per way of having no display.
# Usage: no_display_test.sh PROGRAM
set -u
program=$1

# A display number nobody serves: no X socket, no lock file.
unserved=:99
for n in $(seq 99 199); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then unserved=:$n; break; fi
done

# "what|DISPLAY (empty: unset)|words the line must hold"
rows=(
    "DISPLAY not set||DISPLAY is not set"
    "DISPLAY names no server|$unserved|cannot open display \"$unserved\""
)
failed=0
for row in "${rows[@]}"; do
    IFS='|' read -r what display words <<<"$row"
    environment=(-u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE -u DISPLAY)
    [ -n "$display" ] && environment+=("DISPLAY=$display")
    output=$(env "${environment[@]}" timeout 20 "$program" 2>&1)
    status=$?
    lines=$(printf '%s\n' "$output" | wc -l)
    problems=()
    [ "$status" -eq 1 ] || problems+=("exit status $status, 1 expected")
    [ "$lines" -eq 1 ] || problems+=("$lines lines, 1 expected")
    for expected in "no display found" "$words" "QT_QPA_PLATFORM=offscreen"; do
        [[ $output == *"$expected"* ]] || problems+=("no \"$expected\"")
    done
    if [ ${#problems[@]} -eq 0 ]; then
        echo "ok: $what"
    else
        failed=$((failed + 1))
        echo "FAIL: $what: ${problems[*]}"
        printf '  output: %s\n' "$output"
    fi
done
[ "$failed" -eq 0 ]
