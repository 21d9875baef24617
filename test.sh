#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds and runs the whole test suite. Exit status = result.
# Stages: main tests (build/test), sanitizers (build/sanitize), fuzzers (build/fuzz), the
# Windows program (build/windows) and the web page (build/web) with their tests, the tests
# under Wine running while the page builds, and the screen reader Orca reading the Linux program
# and the page while the Wine and web tests run.
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

# Builds that wait for no one run in the background at the lowest priority while tests run in
# the foreground: the tests mostly wait (for X servers, double-click intervals, the soak), and
# the builds take the cores' idle time without slowing them.
background() { # log command... (run it with &: the lowest priority is the subshell's own)
    local log=$1
    shift
    mkdir -p "$(dirname "$log")"
    renice -n 19 -p "$BASHPID" >/dev/null
    "$@" >"$log" 2>&1
}
logged() { # log command... (run it with &, at the usual priority)
    mkdir -p "$(dirname "$1")"
    "${@:2}" >"$1" 2>&1
}
finish() { # pid log: waits for a background step, shows its log if it failed
    if ! wait "$1"; then
        cat "$2"
        echo "failed: see $2" >&2
        return 1
    fi
}

begin_stage main "build in build/test and run every test"
scripts/install-deps.sh build test bench fuzz windows web screenreader
# The C++ sources follow the committed .clang-format.
git ls-files -z '*.cpp' '*.h' '*.c' | xargs -0 clang-format --dry-run -Werror
# Release: a fifth quicker to build than with debug information; the sanitize stage has that.
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARNIK_BUILD_BENCH=OFF >/dev/null
cmake --build build/test
# The benchmarks are built (so that they keep building) in the background, with the sanitizers.
sanitize_build() {
    cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARNIK_SANITIZE=ON \
        -DVARNIK_BUILD_BENCH=ON && cmake --build build/sanitize
}
background build/logs/sanitize-build.log sanitize_build &
sanitize_build_pid=$!
# Two at a time: many tests mostly wait (for double-click intervals, X servers, the soak).
ctest --test-dir build/test --output-on-failure --timeout 400 -j2

begin_stage sanitize "unit, widget and a short soak test with AddressSanitizer and UBSan (build/sanitize)"
finish "$sanitize_build_pid" build/logs/sanitize-build.log
fuzz() { # target
    # A fresh copy of the committed seeds: new inputs never land in the source tree.
    local work=build/fuzz/run/$1
    rm -rf "$work"
    mkdir -p "$work/artifacts"
    cp -r "tests/fuzz/corpus/$1" "$work/corpus"
    # A unit that takes longer than the timeout is a hang. At the lowest priority on a busy
    # machine a unit of some 70 ms (a ten-megabyte paste) was held up past ten seconds.
    "build/fuzz/tests/fuzz/fuzz_$1" -max_total_time=20 -timeout=60 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus" >"$work/log" 2>&1
}
targets=(number_text keys window)
fuzz_all() { # the fuzzers, side by side, once built
    CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVARNIK_FUZZ=ON -DVARNIK_BUILD_TESTS=OFF -DVARNIK_FRONTEND=none &&
        cmake --build build/fuzz --target fuzz_number_text fuzz_keys fuzz_window || return 1
    local pids=() target status=0
    for target in "${targets[@]}"; do
        fuzz "$target" &
        pids+=($!)
    done
    for pid in "${pids[@]}"; do
        wait "$pid" || status=1
    done
    return $status
}
background build/logs/fuzz.log fuzz_all &
fuzz_pid=$!
# Any report ends the test with a non-zero status; leaks are reported when a test exits.
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:exitcode=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:abort_on_error=0:exitcode=1:print_stacktrace=1
export LSAN_OPTIONS=exitcode=1:suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0
VARNIK_SOAK_EVENTS=10000 ctest --test-dir build/sanitize --output-on-failure --timeout 600 \
    -L 'unit|widget|soak' -j2
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

begin_stage fuzz "libFuzzer targets of the engine and the window model, 20 s each, side by side (build/fuzz)"
# While the fuzzers finish (they yield), the Windows program builds. Its tests compare with the
# Linux build of the main stage: its replay tool (the same numbers on every system) and its
# layout.json (where the keys are).
windows_build() {
    cmake --build build/test --target replay layout_json &&
        cmake --preset windows -DVARNIK_HOST_BUILD_DIR="$PWD/build/test" &&
        cmake --build --preset windows --target package
}
logged build/logs/windows-build.log windows_build &
windows_build_pid=$!
fuzz_status=0
wait "$fuzz_pid" || fuzz_status=$?
failed=0
for target in "${targets[@]}"; do
    work=build/fuzz/run/$target
    if [ ! -f "$work/log" ]; then
        cat build/logs/fuzz.log
        failed=1
        break
    fi
    if [ -n "$(ls -A "$work/artifacts")" ]; then
        tail -n 60 "$work/log"
        echo "fuzz_$target failed; the input is in $work/artifacts/" >&2
        failed=1
        continue
    fi
    echo "-- fuzz_$target: corpus grew from $(ls "tests/fuzz/corpus/$target" | wc -l) seeds to $(ls "$work/corpus" | wc -l) inputs"
    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$work/log" || true
done
[ "$failed" -eq 0 ] && [ "$fuzz_status" -eq 0 ]

begin_stage windows "the Windows program and its packages cross-built with MinGW-w64 (build/windows)"
finish "$windows_build_pid" build/logs/windows-build.log

begin_stage web-build "the page in WebAssembly with emscripten (build/web), beside the Wine tests"
# The tests under Wine mostly wait for Wine: the web build uses the time.
ctest --test-dir build/windows --output-on-failure --timeout 300 -j2 >build/windows/tests.log 2>&1 &
wine_tests=$!
cmake --preset web -DVARNIK_HOST_BUILD_DIR="$PWD/build/test" >/dev/null
cmake --build --preset web
# Orca mostly waits for its events: it reads both front ends while the other tests run.
ctest --test-dir build/web -L screenreader --output-on-failure >build/web/screenreader.log 2>&1 &
screenreader_tests=$!

begin_stage wine "the Windows program's tests under Wine (build/windows), to their end"
wine_status=0
wait "$wine_tests" || wine_status=$?
cat build/windows/tests.log
[ "$wine_status" -eq 0 ]

begin_stage web "the replay tool under node and the page in Chromium (build/web)"
ctest --test-dir build/web -LE screenreader --output-on-failure --timeout 120 -j2

begin_stage screenreader "Orca reading the Linux program and the page, in English and Bengali, to its end"
screenreader_status=0
wait "$screenreader_tests" || screenreader_status=$?
cat build/web/screenreader.log
[ "$screenreader_status" -eq 0 ]
