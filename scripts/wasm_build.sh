#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the calculator's core and its core tests for WebAssembly with
# Emscripten, Release (-O2), in ${WASM_BUILD_DIR:-${BUILD_DIR:-build}-wasm}.
# Configures once; a second run only rebuilds what changed.
# Usage: scripts/wasm_build.sh [extra arguments for cmake --build]
# Run the tests afterwards with: ctest --test-dir build-wasm
set -euo pipefail
cd "$(dirname "$0")/.."

wasm_dir=${WASM_BUILD_DIR:-${BUILD_DIR:-build}-wasm}
# Debian's Emscripten runs its JavaScript optimiser with Node and needs the
# acorn parser from /usr/share/nodejs (package node-acorn).
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

if [ ! -f "$wasm_dir/build.ninja" ]; then
    # ctest runs the built .js files with plain node: emcmake's default adds
    # --experimental-wasm-threads, which Node 20 refuses.
    emcmake cmake -S . -B "$wasm_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)"
fi
cmake --build "$wasm_dir" "$@"
