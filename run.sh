#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the program (not the tests: ./test.sh does)
# and starts the calculator.
#   ./run.sh --problems [SOLID KEY=VALUE...]   the problems window instead
#                    (with that task solved: ./run.sh --problems cone r=3 h=4)
#   ./run.sh --web   builds the web edition instead and serves it on
#                    http://127.0.0.1:8080/ (PORT picks another port)
#   ./run.sh --solve SOLID KEY=VALUE...   builds and runs the task solver,
#                    stereometry-solve (its --help says more)
set -euo pipefail
cd "$(dirname "$0")"
if [ "${1:-}" = "--web" ]; then
    # Emscripten, Node.js (asked for by its command: NodeSource's build, for
    # one, is no Debian nodejs), fontTools for the fonts, Python-Markdown and
    # pngquant for the guide; natively only the program that writes the page.
    web_packages=(emscripten node-acorn python3-fonttools python3-brotli python3-markdown pngquant)
    command -v node >/dev/null 2>&1 || web_packages+=(nodejs)
    SETUP_TARGET=stereometry_page scripts/setup.sh "${web_packages[@]}"
    scripts/web_build.sh
    exec node web/serve.mjs "${WASM_BUILD_DIR:-${BUILD_DIR:-build}-wasm}/site"
fi
if [ "${1:-}" = "--solve" ]; then
    # The task solver on the command line: ./run.sh --solve cone r=3 h=4
    shift
    SETUP_TARGET=stereometry-solve scripts/setup.sh >&2
    exec "${BUILD_DIR:-build}/stereometry-solve" "$@"
fi
SETUP_TARGET=stereometry scripts/setup.sh
exec "${BUILD_DIR:-build}/src/stereometry" "$@"
