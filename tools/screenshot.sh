#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the README's screenshot of the calculator under a private Xvfb display: types a
# number on the skin keypad, leaves the pointer resting on a key and captures the window.
# Usage: tools/screenshot.sh BINARY LAYOUT.json OUTPUT.png [SCALE]
# LAYOUT.json is the window's tables as the build writes them (build/<dir>/layout.json).
# Needs xvfb, xdotool and imagemagick (scripts/install-deps.sh test).
set -euo pipefail
binary=$(realpath "$1")
layout=$2
output=$3
scale=${4:-1}

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb=$!
app=
cleanup() { [ -n "$app" ] && kill "$app" 2>/dev/null; kill "$xvfb" 2>/dev/null; wait 2>/dev/null || true; }
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done

QT_SCALE_FACTOR=$scale "$binary" &
app=$!
window=$(xdotool search --sync --onlyvisible --name '^Varnik Calculator$' | head -n 1)
xdotool windowmove "$window" 20 20
sleep 0.3

# Skin key centres in pixels at scale 1, by action ("1", ".", "*" …), from the tables.
declare -A key
while read -r action x y; do
    key[$action]="$x $y"
done < <(python3 -c '
import json, sys
for k in json.load(open(sys.argv[1]))["skinKeys"]:
    left, top, width, height = k["pixels"]
    print(k["action"], left + width // 2, top + height // 2)' "$layout")
scaled() { awk -v v="$1" -v s="$scale" 'BEGIN { print int(v * s) }'; }
pointAt() { xdotool mousemove --window "$window" "$(scaled "$1")" "$(scaled "$2")"; }
press() {
    local x y
    read -r x y <<<"${key[$1]}"
    pointAt "$x" "$y"
    sleep 0.05
    xdotool click --delay 0 1
    sleep 0.45 # two clicks on one spot within the double-click time would count as one
}
for k in 1 9 7 1 . 2 5; do press "$k"; done
press "*"
read -r x y <<<"${key[8]}"
pointAt "$x" "$y"
sleep 0.3
import -window "$window" "$output"
echo "wrote $output"
