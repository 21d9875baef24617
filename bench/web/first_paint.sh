#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Web first-paint benchmark: navigation to the first painted calculator in headless Chromium,
# against a page of ours with one line of text in the display font from a tiny program built
# the same way (bench/web/minimal.*), loaded alternately; and what the calculator's first
# paint downloads, gzipped. Exit status 1 when the ratio exceeds 1.5 or the download 100 KiB.
# Usage: bench/web/first_paint.sh [runs per page, default 9]
# Builds the web preset (build/web) and the yardstick (build/web/bench/minimal).
set -euo pipefail
cd "$(dirname "$0")/../.."

runs=${1:-9}
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "usage: bench/web/first_paint.sh [runs]" >&2; exit 2; }

scripts/install-deps.sh web
cmake --preset web >/dev/null
cmake --build --preset web --target site first_paint_yardstick >/dev/null

echo "Load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
NODE_PATH=$PWD/tests/web/node_modules node bench/web/first_paint.js build/web/site \
    build/web/bench/minimal "$runs"
