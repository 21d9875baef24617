#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows test program under Wine in a private prefix; its exit status is the result.
# Usage: run_in_wine.sh PROGRAM.exe [arguments...]
set -euo pipefail
work=$(mktemp -d)
source "$(dirname "$0")/wine_env.sh"
trap 'end_wine; rm -rf "$work"' EXIT
"$wine" "$@" 2> >(grep -v -e "^wine: " -e "rundll32" >&2)
