#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Whether a change to the solver's inside changed anything it shows: the
# snapshot (tools/solver_snapshot.cpp) of two commits compared byte for byte.
#
#   scripts/solver_snapshot.sh BASE [HEAD]    (HEAD: the working tree)
set -euo pipefail
cd "$(dirname "$0")/.."
base="$1"
work="$(mktemp -d)"
trap 'git worktree remove --force "$work/base" >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
snapshot() {  # SOURCE_DIR OUT
    cmake -S "$1" -B "$1/build-snapshot" -G Ninja -DSTEREOMETRY_BUILD_UI=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$1/build-snapshot" --target stereometry_solver_snapshot >/dev/null
    "$1/build-snapshot/tests/stereometry_solver_snapshot" "$PWD/fuzz/corpus/solver" >"$2"
}
git worktree add -q --detach "$work/base" "$base"
snapshot "$work/base" "$work/before.txt"
snapshot "$PWD" "$work/after.txt"
if cmp -s "$work/before.txt" "$work/after.txt"; then
    echo "the same, byte for byte ($(grep -ac '^===' "$work/after.txt") tasks and sheets)"
else
    diff -a "$work/before.txt" "$work/after.txt" | head -60
    exit 1
fi
