#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program's problems window lives in a module it loads when first asked
# for. Built beside the program, the module opens a task from the command
# line, and the solver's names check it; a program copied without its module
# still starts its calculator, and asked for the problems window says in one
# line what is missing and exits with 1.
# Usage: on_demand_test.sh PROGRAM
set -u
program=$1
alone=$(mktemp -d)
trap 'rm -rf "$alone"' EXIT
cp "$program" "$alone/"
export QT_QPA_PLATFORM=offscreen

# "what|program|arguments|status expected|words the output must hold (empty: none)"
rows=(
    "the calculator starts|$program||124|"
    "a task opens from the command line|$program|--problems cone r=3 h=4|124|"
    "an unknown solid is named|$program|--problems coney r=3|2|няма тяло „coney“"
    "a quantity the solid has not is named|$program|--problems cone q=3|2|„q“ не е величина на конуса"
    "without its module the calculator still starts|$alone/stereometry||124|"
    "without its module the problems window says what is missing|$alone/stereometry|--problems cone r=3|1|Липсва част от програмата, stereometry-on-demand.so"
)
failed=0
for row in "${rows[@]}"; do
    IFS='|' read -r what run arguments expected words <<<"$row"
    # shellcheck disable=SC2086 # the arguments are words
    output=$(timeout 5 "$run" $arguments 2>&1)
    status=$?
    if [ "$status" -ne "$expected" ]; then
        echo "FAIL: $what: exit status $status, $expected expected"; printf '%s\n' "$output"; failed=1
    elif [ -n "$words" ] && ! grep -qF -- "$words" <<<"$output"; then
        echo "FAIL: $what: no „$words“ in:"; printf '%s\n' "$output"; failed=1
    else
        echo "ok: $what"
    fi
done
exit "$failed"
