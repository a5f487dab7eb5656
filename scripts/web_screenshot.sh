#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the web edition and draws its pictures in docs/: the window as it
# opens in Chromium, the page on a phone and a solution on it, a task solved
# on the problems page on that phone, with its figure, on a desktop, the
# calculator's figure under a solution and a net printed (see
# scripts/web_screenshot.mjs).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/web_build.sh >/dev/null
tests/web/node_modules.sh
node scripts/web_screenshot.mjs "${WASM_BUILD_DIR:-${BUILD_DIR:-build}-wasm}/site" docs
