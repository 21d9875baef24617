#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Same numbers on both systems: the Linux and the Windows build of the replay tool (two C++
# runtimes) replay the same random key presses, and their outputs (the engine's whole state
# after every key) must be byte for byte the same. The Windows build runs under Wine.
# Usage: same_numbers.sh LINUX_REPLAY WINDOWS_REPLAY.exe [PRESSES, default 100000] [SEED, default 9]
set -euo pipefail
linux=$1
windows=$2
presses=${3:-100000}
seed=${4:-9}
work=$(mktemp -d)
source "$(dirname "$0")/wine_env.sh"
trap 'end_wine; rm -rf "$work"' EXIT

"$linux" --random "$seed" "$presses" >"$work/keys"
"$linux" <"$work/keys" >"$work/linux.out"
"$wine" "$windows" <"$work/keys" >"$work/windows.out" 2>"$work/wine.log" || {
    cat "$work/wine.log" >&2
    echo "FAIL: the Windows replay tool did not run" >&2
    exit 1
}
lines=$(($(wc -l <"$work/linux.out") - 1)) # the first line is the start
echo "replayed $lines presses of seed $seed: $(grep -c Overflow "$work/linux.out" || true) overflows," \
    "$(grep -c DivisionByZero "$work/linux.out" || true) divisions by zero," \
    "$(grep -c 'e[+-]' "$work/linux.out" || true) states with an exponent"
if ! cmp -s "$work/linux.out" "$work/windows.out"; then
    line=$( (cmp "$work/linux.out" "$work/windows.out" || true) | sed -n "s/.* line \([0-9]*\).*/\1/p")
    echo "FAIL: the engine differs between Linux and Windows at output line ${line:-?}:" >&2
    echo "  Linux:   $(sed -n "${line:-1}p" "$work/linux.out")" >&2
    echo "  Windows: $(sed -n "${line:-1}p" "$work/windows.out")" >&2
    echo "  the presses before it:" >&2
    head -n "${line:-1}" "$work/linux.out" | tail -n 6 | cut -d' ' -f1 | tr '\n' ' ' >&2
    echo >&2
    exit 1
fi
echo "the same $(wc -c <"$work/linux.out") bytes on both systems"
