#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds and runs the whole test suite. Exit status = result.
# Stages: main tests (build/test), sanitizers (build/sanitize), fuzzers (build/fuzz).
set -euo pipefail
cd "$(dirname "$0")"

stage=""
stage_start=$SECONDS
timings=()
end_stage() {
    [ -n "$stage" ] && timings+=("$(printf '%-12s %4d s' "$stage" $((SECONDS - stage_start)))")
    return 0
}
begin_stage() {
    end_stage
    stage=$1
    stage_start=$SECONDS
    printf '\n==== %s: %s ====\n' "$1" "$2"
}
summary() {
    local status=$?
    end_stage
    printf '\n==== Summary ====\n'
    printf '%s\n' "${timings[@]}"
    if [ "$status" -ne 0 ]; then
        printf '==== FAILED in stage "%s" (exit status %d) ====\n' "$stage" "$status"
    else
        printf '==== All stages passed ====\n'
    fi
}
trap summary EXIT

begin_stage main "build in build/test and run every test"
scripts/install-deps.sh build test
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/test
ctest --test-dir build/test --output-on-failure --timeout 300

begin_stage sanitize "unit and widget tests with AddressSanitizer and UBSan (build/sanitize)"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARNIK_SANITIZE=ON >/dev/null
cmake --build build/sanitize
# Any report ends the test with a non-zero status; leaks are reported when a test exits.
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:exitcode=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:abort_on_error=0:exitcode=1:print_stacktrace=1
export LSAN_OPTIONS=exitcode=1:suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0
ctest --test-dir build/sanitize --output-on-failure --timeout 600 -L 'unit|widget'
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

begin_stage fuzz "libFuzzer targets of the engine, 30 s each (build/fuzz)"
scripts/install-deps.sh fuzz
CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVARNIK_FUZZ=ON -DVARNIK_BUILD_TESTS=OFF -DVARNIK_BUILD_APP=OFF >/dev/null
cmake --build build/fuzz --target fuzz_number_text fuzz_keys
for target in number_text keys; do
    # A fresh copy of the committed seeds: new inputs never land in the source tree.
    work=build/fuzz/run/$target
    rm -rf "$work"
    mkdir -p "$work/artifacts"
    cp -r "tests/fuzz/corpus/$target" "$work/corpus"
    echo "-- fuzz_$target ($(ls "$work/corpus" | wc -l) seeds)"
    if ! "build/fuzz/tests/fuzz/fuzz_$target" -max_total_time=30 -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus" \
        >"$work/log" 2>&1; then
        tail -n 60 "$work/log"
        echo "fuzz_$target failed; the input is in $work/artifacts/" >&2
        exit 1
    fi
    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$work/log" || true
    echo "   corpus grew to $(ls "$work/corpus" | wc -l) inputs"
done
