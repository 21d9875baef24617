# SPDX-License-Identifier: MIT
# Sourced by the "same numbers" tests of the other builds (tests/wine/, tests/web/): the Linux
# build and another build of the replay tool replay the same random key presses, and their
# outputs (the engine's whole state after every key) must be byte for byte the same.
#
#   same_numbers NAME LINUX_REPLAY PRESSES SEED COMMAND...
#
# COMMAND runs the other build (for example "wine64 replay.exe"); scratch files go to "$work",
# which the caller makes and removes.
same_numbers() {
    local name=$1 linux=$2 presses=$3 seed=$4
    shift 4
    "$linux" --random "$seed" "$presses" >"$work/keys"
    "$linux" <"$work/keys" >"$work/linux.out"
    "$@" <"$work/keys" >"$work/other.out" 2>"$work/other.log" || {
        cat "$work/other.log" >&2
        echo "FAIL: the $name replay tool did not run" >&2
        return 1
    }
    local lines=$(($(wc -l <"$work/linux.out") - 1)) # the first line is the start
    echo "replayed $lines presses of seed $seed: $(grep -c Overflow "$work/linux.out" || true) overflows," \
        "$(grep -c DivisionByZero "$work/linux.out" || true) divisions by zero," \
        "$(grep -c 'e[+-]' "$work/linux.out" || true) states with an exponent"
    if ! cmp -s "$work/linux.out" "$work/other.out"; then
        local line
        line=$( (cmp "$work/linux.out" "$work/other.out" || true) | sed -n "s/.* line \([0-9]*\).*/\1/p")
        echo "FAIL: the engine differs between Linux and $name at output line ${line:-?}:" >&2
        printf '  %-8s %s\n' "Linux:" "$(sed -n "${line:-1}p" "$work/linux.out")" >&2
        printf '  %-8s %s\n' "$name:" "$(sed -n "${line:-1}p" "$work/other.out")" >&2
        echo "  the presses before it:" >&2
        head -n "${line:-1}" "$work/linux.out" | tail -n 6 | cut -d' ' -f1 | tr '\n' ' ' >&2
        echo >&2
        return 1
    fi
    echo "the same $(wc -c <"$work/linux.out") bytes on Linux and $name"
}
