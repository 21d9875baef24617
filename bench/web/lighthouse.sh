#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Lighthouse (pinned by bench/web/lighthouse/package-lock.json) against the built site with the system's
# Chromium: the four category scores for the mobile and the desktop profile. About 40 s a
# profile on 2 cores. Exit status 1 when a goal is missed (see bench/web/lighthouse.js).
# Usage: bench/web/lighthouse.sh     (builds the web preset, build/web)
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/install-deps.sh web-bench
cmake --preset web >/dev/null
cmake --build --preset web --target site >/dev/null

echo "Load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
node bench/web/lighthouse.js build/web/site
