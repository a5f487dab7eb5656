#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# stereometry-solve --svg=figure|net: the SVG on standard output, well formed
# as Python's XML parser reads it; where there is nothing to draw, nothing on
# standard output, a Bulgarian sentence on standard error and a non-zero exit.
#   svg_command_line_test.sh STEREOMETRY_SOLVE
set -uo pipefail
solve=$(realpath "$1")
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

# exit status | what standard output holds (or, for a failure, standard error) | arguments
cases=(
    '0|<text class="given"|--svg=figure cone r=3 h=4'
    '0|Q = 24|--svg=figure cylinder r=3 h=4 Q=?'
    '0|data-scale="1"|--svg=net cone r=3 h=4'
    '0|data-unit="mm"|--svg=net cube a=30mm'
    '0|data-scale="0.05"|--svg=net cube a=1m'
    '0|α = 216°|--svg=net --separator=. cone r=3 l=5'
    '0|α ≈ 254.56°|--svg=net --separator=. cone r=2 h=2'
    '0|d1 = 6|--svg=figure prism-rhombus d1=6 d2=8 h=10'
    '0|c = 5|--svg=figure prism-right-triangle a=3 b=4 h=5'
    '0|h1 = 4|--svg=figure prism-isosceles-trapezoid a=10 b=4 h1=4 h=6'
    '0|l = 13|--svg=figure pyramid-rectangle-edges a=6 b=8 l=13'
    '0|k ≈ 4,66|--svg=figure pyramid-rhombus-faces d1=6 d2=8 h=4'
    '0|d2 = 8|--svg=figure rhombus d1=6 d2=8'
    '0|data-face="lateral"|--svg=net prism-rhombus d1=6 d2=8 h=10'
    '0|a = 3, b = 4, h = 5|--svg=net prism-right-triangle a=3 b=4 h=5'
    '0|data-scale="1"|--svg=net prism-isosceles-trapezoid a=10 b=4 c=5 h=6'
    '0|a = 6, b = 8, h = 12, l = 13|--svg=net pyramid-rectangle-edges a=6 b=8 l=13'
    '0|a = 3, b = 4, c = 6, h = 2, l|--svg=net pyramid-triangle-edges a=3 b=4 c=6 h=2'
    '0|k = 4√34/5 ≈ 4,66|--svg=net pyramid-rhombus-faces d1=6 d2=8 h=4'
    '1|равнинна фигура|--svg=net rhombus d1=6 d2=8'
    '1|Сферата няма развивка|--svg=net sphere r=3'
    '1|Дайте и n|--svg=net prism P=24 B=36 h=5'
    '1|по-дълга от радиуса|--svg=figure cone r=5 l=3'
    '1|още една величина|--svg=net cylinder h=5'
    '2|не се чете|--svg=figure sphere r=abc'
    '2|--svg приема figure|--svg=picture cone r=3 h=4'
)

for case in "${cases[@]}"; do
    IFS='|' read -r status expected arguments <<<"$case"
    # shellcheck disable=SC2086
    "$solve" $arguments >out.svg 2>err.txt
    actual=$?
    problem=""
    if [ "$actual" != "$status" ]; then
        problem="exit status $actual, not $status"
    elif [ "$status" = 0 ]; then
        if ! python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])' out.svg 2>>err.txt; then
            problem="not well-formed XML"
        elif ! grep -qF -- "$expected" out.svg; then
            problem="no “$expected” in the SVG"
        fi
    elif [ -s out.svg ]; then
        problem="standard output not empty"
    elif ! grep -qF -- "$expected" err.txt; then
        problem="no “$expected” on standard error: $(cat err.txt)"
    fi
    if [ -n "$problem" ]; then
        echo "FAIL stereometry-solve $arguments: $problem"
        failures=$((failures + 1))
    else
        echo "ok   stereometry-solve $arguments"
    fi
done
exit $((failures > 0))
