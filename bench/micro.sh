#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the micro-benchmarks in Release (build/bench) and runs them: the engine's (key press,
# parse, format) and the window's leave test. Arguments go to both benchmark programs, e.g.
# bench/micro.sh --benchmark_filter=format --benchmark_repetitions=5
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build bench
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARNIK_BUILD_TESTS=OFF \
    -DVARNIK_BUILD_BENCH=ON >/dev/null
cmake --build build/bench --target bench_engine bench_window
build/bench/bench/bench_engine "$@"
build/bench/bench/bench_window "$@"
