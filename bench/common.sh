# SPDX-License-Identifier: MIT
# What the start-up benchmarks share; sourced by bench/startup.sh and bench/wine/startup.sh from
# the repository's top folder.

# Builds the timing probe (Xlib and DAMAGE: exec to the first painted window) and the Qt
# baseline window in build/startup/tools; sets probe.
build_probe() {
    cmake -S bench/startup -B build/startup/tools -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build/startup/tools >/dev/null
    probe=build/startup/tools/startup_probe
}

# start_xvfb WORK: a private X server on a free display, which Xvfb writes to WORK/display.
# Sets xvfb_pid and exports DISPLAY.
start_xvfb() {
    # -noreset: the server would otherwise reset as each measured program leaves, and refuse
    # the next one for a moment on a busy machine.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$1/display" 2>"$1/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$1/display" ] && break
        sleep 0.05
    done
    [ -s "$1/display" ] || { echo "Xvfb did not start:" >&2; cat "$1/xvfb.log" >&2; exit 1; }
    export DISPLAY=":$(head -n1 "$1/display")"
}

# median FILE COLUMN: the median of a column of numbers.
median() {
    sort -n -k"$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END {
        print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
