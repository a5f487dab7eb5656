#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The problems window on a school laptop's screen under X: Xvfb of 1366 × 768,
# the window at 100 % and at 125 % (QT_SCALE_FACTOR), every task fitting and
# each message beside its own field (ProblemsTest::fitsTheScreenWithAnyTask
# and ::eachMessageBesideItsOwnField).
#   tests/ui/laptop_screen_test.sh PATH/TO/ui_problems_tests
# Exits 77 (skipped) where Xvfb is missing.
set -euo pipefail
tests=$1
command -v Xvfb >/dev/null 2>&1 || { echo "Xvfb is missing: skipped"; exit 77; }

work=$(mktemp -d)
source "$(dirname "$0")/../../scripts/virtual_display.sh"
VIRTUAL_DISPLAY_PID=
trap 'kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true; wait "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true; rm -rf "$work"' EXIT
start_virtual_display 1366x768 "$work"

status=0
for scale in 1 1.25; do
    echo "== 1366 × 768 under X at $scale"
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale XDG_RUNTIME_DIR="$work" \
        "$tests" fitsTheScreenWithAnyTask eachMessageBesideItsOwnField || status=1
done
exit $status
