#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Same numbers on both systems: the Linux and the Windows build of the replay tool (two C++
# runtimes) replay the same random key presses, and their outputs must be byte for byte the
# same. The Windows build runs under Wine.
# Usage: same_numbers.sh LINUX_REPLAY WINDOWS_REPLAY.exe [PRESSES, default 100000] [SEED, default 9]
set -euo pipefail
linux=$1
windows=$2
work=$(mktemp -d)
source "$(dirname "$0")/wine_env.sh"
source "$(dirname "$0")/../replay/same_numbers.sh"
trap 'end_wine; rm -rf "$work"' EXIT
same_numbers Windows "$linux" "${3:-100000}" "${4:-9}" "$wine" "$windows"
