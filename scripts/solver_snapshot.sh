#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Whether a change to the solver's inside changed anything it shows: the
# snapshot (tools/solver_snapshot.cpp: the solver's answers, figures, nets,
# worksheets with their texts and checked answers) and the pages the page
# generator writes (the calculator's, the problems page, the worksheet page)
# of two commits, compared byte for byte.
#
#   scripts/solver_snapshot.sh BASE [HEAD]    (HEAD: the working tree)
set -euo pipefail
cd "$(dirname "$0")/.."
base="$1"
work="$(mktemp -d)"
trap 'git worktree remove --force "$work/base" >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
echo "// the page's script" >"$work/script.js"
snapshot() {  # SOURCE_DIR OUT_DIR
    mkdir -p "$2"
    cmake -S "$1" -B "$1/build-snapshot" -G Ninja -DSTEREOMETRY_BUILD_UI=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$1/build-snapshot" --target stereometry_solver_snapshot stereometry_page >/dev/null
    "$1/build-snapshot/tests/stereometry_solver_snapshot" "$PWD/fuzz/corpus/solver" >"$2/snapshot.txt"
    for page in index problems sheet; do
        "$1/build-snapshot/web/stereometry_page" "$page" "$2/$page.html" "$work/script.js"
    done
}
git worktree add -q --detach "$work/base" "$base"
snapshot "$work/base" "$work/before"
snapshot "$PWD" "$work/after"
if diff -rq "$work/before" "$work/after" >/dev/null; then
    echo "the same, byte for byte ($(grep -ac '^===' "$work/after/snapshot.txt") tasks and sheets, 3 pages)"
else
    diff -ar "$work/before" "$work/after" | head -60
    exit 1
fi
