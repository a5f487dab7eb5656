#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# ./run.sh on a built tree: it must start the calculator and keep it running
# (timeout's 124), not fail to find it or crash.
# Usage: run_script_test.sh SOURCE_DIR BUILD_DIR
set -u
source_dir=$1
build_dir=$2
QT_QPA_PLATFORM=offscreen BUILD_DIR="$build_dir" timeout 120 "$source_dir/run.sh" &
runner=$!
# Give the set-up time to find nothing to do (or, on a busy machine, to bring
# the build up to date), then let the window live a while.
started=""
for _ in $(seq 1 100); do
    sleep 1
    if ! kill -0 "$runner" 2>/dev/null; then
        wait "$runner"
        echo "run.sh ended early with status $?"
        exit 1
    fi
    if pgrep -f "$build_dir/src/stereometry" >/dev/null; then
        started=yes
        break
    fi
done
if [ -z "$started" ]; then
    echo "run.sh is running but the calculator is not"
    kill "$runner"
    exit 1
fi
sleep 3
if ! kill -0 "$runner" 2>/dev/null; then
    wait "$runner"
    echo "the calculator ended early: run.sh's status $?"
    exit 1
fi
kill "$runner"
wait "$runner" 2>/dev/null
echo "run.sh started the calculator"
