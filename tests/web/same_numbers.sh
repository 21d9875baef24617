#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Same numbers in the browser's engine: the Linux build and the WebAssembly build of the replay
# tool (compiled by emscripten, run under node) replay the same random key presses, and their
# outputs must be byte for byte the same.
# Usage: same_numbers.sh LINUX_REPLAY NODE REPLAY.js [PRESSES, default 100000] [SEED, default 9]
set -euo pipefail
linux=$1
node=$2
replay=$3
work=$(mktemp -d)
source "$(dirname "$0")/../replay/same_numbers.sh"
trap 'rm -rf "$work"' EXIT
# Debian 12's emscripten output loads its .wasm with fetch() wherever there is one, and node's
# (from version 18 on) takes no file path: without it, the output reads the file.
same_numbers WebAssembly "$linux" "${4:-100000}" "${5:-9}" "$node" --no-experimental-fetch "$replay"
