#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up benchmark: time from exec to the first painted calculator window (not a single
# colour) and resident memory 1 s later, against a minimal Qt Widgets window, on a private
# Xvfb. Runs alternate baseline, calculator, baseline, ... so both see the same machine.
# Usage: bench/startup.sh [runs per program, default 9]
# Builds in Release in build/startup (calculator) and build/startup/tools (probe, baseline).
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-9}
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "usage: bench/startup.sh [runs]" >&2; exit 2; }

scripts/install-deps.sh build bench
cmake -S . -B build/startup -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/startup --target varnik-calculator >/dev/null
source bench/common.sh
build_probe
baseline=build/startup/tools/baseline_window
calculator=build/startup/qt/varnik-calculator

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

start_xvfb "$work"

# The same plain session for both programs: only this display and a private runtime folder.
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb

measure() { # program, result file
    "$probe" -- "$1" >>"$2"
}

# Other work on the machine skews both programs, the calculator more (it uses the second core).
load_before=$(cut -d' ' -f1 /proc/loadavg)

# One unmeasured start each warms the disk cache and the font caches.
"$probe" -- "$baseline" >/dev/null
"$probe" -- "$calculator" >/dev/null
for _ in $(seq "$runs"); do
    measure "$baseline" "$work/baseline"
    measure "$calculator" "$work/calculator"
done

base_ms=$(median "$work/baseline" 1)
calc_ms=$(median "$work/calculator" 1)
base_kib=$(median "$work/baseline" 2)
calc_kib=$(median "$work/calculator" 2)

awk -v runs="$runs" -v bms="$base_ms" -v cms="$calc_ms" -v bkib="$base_kib" -v ckib="$calc_kib" \
    -v cores="$(nproc)" -v load="$load_before $(cut -d' ' -f1 /proc/loadavg)" 'BEGIN {
    ratio = cms / bms
    extra = (ckib - bkib) / 1024
    printf "Start-up, exec to first painted window, median of %d alternating runs (Xvfb, %d cores)\n",
        runs, cores
    printf "%-20s %10s %14s\n", "program", "time ms", "resident MiB"
    printf "%-20s %10.1f %14.1f\n", "Qt baseline", bms, bkib / 1024
    printf "%-20s %10.1f %14.1f\n", "varnik-calculator", cms, ckib / 1024
    printf "time ratio %.2f (target <= 1.20): %s\n", ratio, ratio <= 1.2 ? "met" : "MISSED"
    printf "memory %+.1f MiB (target <= +4.0): %s\n", extra, extra <= 4 ? "met" : "MISSED"
    split(load, l, " ")
    printf "load average before and after: %s, %s (over 1: other work skews the figures)\n", l[1], l[2]
}'
printf '\nEach run (ms KiB), baseline then calculator:\n'
paste "$work/baseline" "$work/calculator" | awk '{ printf "  %8.1f %7d    %8.1f %7d\n", $1, $2, $3, $4 }'
