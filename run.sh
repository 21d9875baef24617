#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds in Release and starts the calculator.
# ./run.sh --web builds the web calculator instead and serves it on 127.0.0.1.
set -euo pipefail
cd "$(dirname "$0")"

if [ "${1:-}" = --web ]; then
    scripts/install-deps.sh site
    cmake --preset web >/dev/null
    cmake --build --preset web --target site
    # On a desktop the browser opens the page; elsewhere the address is printed to open.
    exec node tools/serve_site.js build/web/site --open
fi

scripts/install-deps.sh build
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARNIK_BUILD_TESTS=OFF >/dev/null
cmake --build build/release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "The calculator is built at build/release/qt/varnik-calculator; start it on a desktop." >&2
    echo "Or try it in a browser: ./run.sh --web" >&2
    exit 1
fi
exec build/release/qt/varnik-calculator
