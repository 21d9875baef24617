#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds in Release and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh build
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARNIK_BUILD_TESTS=OFF >/dev/null
cmake --build build/release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "The calculator is built at build/release/qt/varnik-calculator; start it on a desktop." >&2
    exit 1
fi
exec build/release/qt/varnik-calculator
