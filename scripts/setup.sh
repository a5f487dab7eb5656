#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Shared by run.sh and test.sh: install what is missing, then configure and build.
# Usage: scripts/setup.sh [extra packages...]
# SETUP_TARGET=stereometry builds the program alone (run.sh); default: everything.
set -euo pipefail
cd "$(dirname "$0")/.."

# What the program needs to build and run (GoogleTest too: the build is
# configured with its tests, which ./test.sh builds); callers add their own.
packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6 libgl-dev
    libgtest-dev fonts-wine fonts-liberation fonts-dejavu-core libfast-float-dev libfmt-dev libboost-dev
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    if [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" != "install ok installed" ]; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    install_line="apt-get update && apt-get install -y ${missing[*]}"
    if [ "$(id -u)" -eq 0 ]; then
        as_root=()
    elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
        as_root=(sudo)
    else
        echo "Some packages are missing. Run this as root, then run this script again:" >&2
        echo "  $install_line" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_dir=${BUILD_DIR:-build}
if [ ! -f "$build_dir/build.ninja" ]; then
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build_dir" ${SETUP_TARGET:+--target "$SETUP_TARGET"}
