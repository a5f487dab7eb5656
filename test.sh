#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the Release build and runs the whole suite
# headless. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
# Emscripten, Node.js, npm, Chromium, fontTools, Python-Markdown, pngquant and
# SymPy (the solver's exact forms checked)
# only for the tests (the WebAssembly core tests and the web edition with its
# guide), not for run.sh; so too a session bus, AT-SPI and pyatspi (the
# accessibility bus check). Node.js and npm are asked for by their commands:
# NodeSource's nodejs, for one, is no Debian nodejs and brings its own npm. The
# package checks need the validators, lintian, dpkg's tools, Xvfb and the icon
# theme.
test_packages=(emscripten node-acorn googletest locales python3-fonttools python3-brotli python3-markdown python3-sympy
               pngquant chromium poppler-utils
               dbus-daemon at-spi2-core python3-pyatspi
               desktop-file-utils appstream appstream-compose dpkg-dev lintian file procps
               xvfb xauth x11-utils man-db python3-xdg hicolor-icon-theme)
command -v node >/dev/null 2>&1 || test_packages+=(nodejs)
command -v npm >/dev/null 2>&1 || test_packages+=(npm)
scripts/setup.sh "${test_packages[@]}"
export QT_QPA_PLATFORM=offscreen
build_dir="${BUILD_DIR:-build}"

# README.md and docs/: every relative link and picture leads to a file.
scripts/check_links.py

# The core tests once more under AddressSanitizer and UndefinedBehaviorSanitizer,
# in their own build directory; any report fails the run. The command line's
# two long tables (every school task and every printed task, each checked with
# SymPy, one instrumented start per task) run on the Release build alone: the
# solver and the reader they drive run every row here in solver_tests, and the
# command line's own code in its shorter tests.
sanitized_dir="$build_dir-asan"
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B "$sanitized_dir" -G Ninja -DSTEREOMETRY_BUILD_UI=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" -DCMAKE_CXX_FLAGS="$sanitizers" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" >/dev/null
cmake --build "$sanitized_dir"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$sanitized_dir" --output-on-failure --parallel "$(nproc)" \
    --exclude-regex '^(solver|text)_command_line$'

# The core tests once more as WebAssembly (Emscripten, -O2), under Node.
WASM_BUILD_DIR="$build_dir-wasm" scripts/wasm_build.sh
ctest --test-dir "$build_dir-wasm" --output-on-failure

# The web edition: the site built, then used in headless Chromium.
tests/web/run.sh "$build_dir"

# As root: build the .deb, install it with apt-get, start it, remove it again.
if [ "$(id -u)" -eq 0 ]; then tests/packaging/deb_test.sh "$build_dir"; fi

# The whole suite on the Release build users run.
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
