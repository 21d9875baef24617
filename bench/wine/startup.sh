#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up benchmark of the Windows program under Wine: time from exec of `wine64 program.exe`
# to its first painted window (not a single colour), against a minimal Win32 window of ours,
# alternating baseline, calculator, baseline, ... on a private Xvfb and Wine prefix whose
# wineserver stays warm between runs. Also prints the size of both .exe files.
# Usage: bench/wine/startup.sh [runs per program, default 9] [dpi, default 96]
# Builds the Windows programs with the windows preset (build/windows) and the timing probe of
# bench/startup for Linux in build/startup/tools.
set -euo pipefail
cd "$(dirname "$0")/../.."

runs=${1:-9}
dpi=${2:-96}
[[ "$runs" =~ ^[1-9][0-9]*$ && "$dpi" =~ ^[1-9][0-9]*$ ]] ||
    { echo "usage: bench/wine/startup.sh [runs] [dpi]" >&2; exit 2; }

scripts/install-deps.sh build bench windows
cmake --preset windows >/dev/null
cmake --build --preset windows --target varnik-calculator minimal_window >/dev/null
source bench/common.sh
build_probe
calculator=build/windows/win32/varnik-calculator.exe
baseline=build/windows/bench/wine/minimal_window.exe

work=$(mktemp -d)
source tests/wine/wine_env.sh
xvfb_pid=""
cleanup() {
    end_wine
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

start_xvfb "$work"

# A warm wineserver: it stays up between the runs instead of starting with each program.
mkdir -p "$WINEPREFIX"
"$wineserver" -p
"$wine" wineboot -i >/dev/null 2>&1
# The monitor's density, which Wine reads as each program starts (the calculator's pictures).
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
measure() { # program, result file
    "$probe" --rss-delay-ms 300 -- "$wine" "$1" >>"$2"
}
load_before=$(cut -d' ' -f1 /proc/loadavg)
# One unmeasured start each warms the disk cache and Wine's own DLLs.
measure "$baseline" /dev/null
measure "$calculator" /dev/null
for _ in $(seq "$runs"); do
    measure "$baseline" "$work/baseline"
    measure "$calculator" "$work/calculator"
done

awk -v runs="$runs" -v dpi="$dpi" -v bms="$(median "$work/baseline" 1)" -v cms="$(median "$work/calculator" 1)" \
    -v bsize="$(stat -c %s "$baseline")" -v csize="$(stat -c %s "$calculator")" \
    -v cores="$(nproc)" -v load="$load_before $(cut -d' ' -f1 /proc/loadavg)" 'BEGIN {
    ratio = cms / bms
    printf "Start-up under Wine at %d dpi, exec to first painted window, median of %d alternating runs (Xvfb, %d cores)\n",
        dpi, runs, cores
    printf "%-26s %10s %12s\n", "program", "time ms", "exe KiB"
    printf "%-26s %10.1f %12.0f\n", "minimal Win32 window", bms, bsize / 1024
    printf "%-26s %10.1f %12.0f\n", "varnik-calculator.exe", cms, csize / 1024
    printf "time ratio %.2f (target <= 1.20): %s\n", ratio, ratio <= 1.2 ? "met" : "MISSED"
    printf "exe size %.2f MiB (target < 3): %s\n", csize / 1048576, csize < 3 * 1048576 ? "met" : "MISSED"
    split(load, l, " ")
    printf "load average before and after: %s, %s (over 1: other work skews the figures)\n", l[1], l[2]
}'
printf '\nEach run in ms, baseline then calculator:\n'
paste "$work/baseline" "$work/calculator" | awk '{ printf "  %8.1f    %8.1f\n", $1, $3 }'
