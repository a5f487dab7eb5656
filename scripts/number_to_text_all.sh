#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds fuzz/number_to_text_all with the Release flags and compares
# numberToText with printf's "%.7G" for all 2^32 float bit patterns, on every
# core. Takes a long while (tens of minutes on two cores).
# Usage: scripts/number_to_text_all.sh [threads]
# The binary goes to ${FUZZ_BUILD_DIR:-build-fuzz}/number_to_text_all.
set -euo pipefail
cd "$(dirname "$0")/.."

out_dir=${FUZZ_BUILD_DIR:-build-fuzz}
mkdir -p "$out_dir"
binary="$out_dir/number_to_text_all"

# The same flags as the Release build of the calculator.
${CXX:-g++} -std=c++20 -O2 -DNDEBUG -ffp-contract=off -fno-fast-math -Wall -Wextra -pthread \
    -Isrc/core -Ifuzz src/core/numeric.cpp fuzz/number_to_text_all.cpp -o "$binary"

exec "$binary" "${1:-$(nproc)}"
