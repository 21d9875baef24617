#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the engine micro-benchmarks in Release (build/bench) and runs them. Arguments go to
# the benchmark program, e.g. bench/micro.sh --benchmark_filter=format --benchmark_repetitions=5
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build bench
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARNIK_BUILD_TESTS=OFF \
    -DVARNIK_BUILD_BENCH=ON >/dev/null
cmake --build build/bench --target bench_engine
build/bench/bench/bench_engine "$@"
