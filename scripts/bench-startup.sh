#!/bin/sh
# Start-up time and peak memory of Brisolant against the floor of any Qt
# Widgets program (a window with one label), measured from process start to
# the top-level window being mapped on an X server. Also the CPU time each
# program used, which a busy machine disturbs far less than the wall time.
#
#   scripts/bench-startup.sh [build-dir] [runs]
#
# build-dir defaults to build/release (configure it with
# -DBRISOLANT_BENCHMARKS=ON), runs to 20 per program. The two programs run in
# turns so that a change of machine load hits both alike. Uses $DISPLAY when
# set, otherwise starts a private Xvfb and stops it at the end.
#
# Environment: SETTLE_MS (default 250) is how long the program may paint after
# mapping before it is ended, so that its peak memory includes the first paint.
# The programs start in the caller's language: LANG=de_DE.UTF-8 measures
# Brisolant with its German translation and Qt's loaded.
set -eu

# shellcheck source=scripts/bench-setup.sh
. "$(dirname "$0")/bench-setup.sh"
bench_setup bench-startup 20 "$@"
settle=${SETTLE_MS:-250}

probe=$build/bench/startup/brisolant_map_probe
brisolant=$build/app/Brisolant
minimal=$build/bench/startup/brisolant_minimal_window
bench_built "$probe" "$brisolant" "$minimal"

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ -z "${DISPLAY:-}" ]; then
    # Xvfb picks a free display itself and writes its number to the pipe.
    mkfifo "$work/displayfd"
    # -noreset: between two runs no client is left, and a server that resets
    # then refuses the next connection.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/displayfd" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    read -r number <"$work/displayfd"
    DISPLAY=:$number
    export DISPLAY
fi
# The programs must talk to X, not to whatever platform the caller prefers.
export QT_QPA_PLATFORM=xcb

run_once() { # name program -> appends "ms kib cpu-ms" to $work/name
    if ! "$probe" --settle-ms "$settle" -- "$2" >>"$work/$1" 2>>"$work/$1.err"; then
        echo "bench-startup: $1 failed on $DISPLAY after $(wc -l <"$work/$1") runs:" >&2
        grep -v XDG_RUNTIME_DIR "$work/$1.err" >&2
        if [ -n "$xvfb_pid" ] && ! kill -0 "$xvfb_pid" 2>/dev/null; then
            echo "bench-startup: Xvfb has ended:" >&2
            cat "$work/xvfb.log" >&2
        fi
        exit 1
    fi
}

# One unmeasured run each warms the page cache and the font cache.
run_once warm "$brisolant"
run_once warm "$minimal"
i=0
while [ "$i" -lt "$runs" ]; do
    if [ $((i % 2)) -eq 0 ]; then
        run_once brisolant "$brisolant"
        run_once minimal "$minimal"
    else
        run_once minimal "$minimal"
        run_once brisolant "$brisolant"
    fi
    i=$((i + 1))
done

median() { # column file
    sort -g -k "$1" "$2" | awk -v c="$1" '{ v[NR] = $c } END {
        if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
b_ms=$(median 1 "$work/brisolant")
m_ms=$(median 1 "$work/minimal")
b_kib=$(median 2 "$work/brisolant")
m_kib=$(median 2 "$work/minimal")
b_cpu=$(median 3 "$work/brisolant")
m_cpu=$(median 3 "$work/minimal")
b_min=$(sort -g "$work/brisolant" | head -n 1 | cut -d' ' -f1)
m_min=$(sort -g "$work/minimal" | head -n 1 | cut -d' ' -f1)

awk -v runs="$runs" -v load="$(cut -d' ' -f1-3 /proc/loadavg)" \
    -v bms="$b_ms" -v mms="$m_ms" -v bkib="$b_kib" -v mkib="$m_kib" \
    -v bmin="$b_min" -v mmin="$m_min" -v bcpu="$b_cpu" -v mcpu="$m_cpu" 'BEGIN {
    printf "Start-up to window mapped, %d runs each in turns (load average %s, LANG=%s)\n", runs,
        load, ENVIRON["LANG"]
    printf "%-10s %14s %10s %16s %18s\n", "program", "median ms", "min ms", "median CPU ms",
        "median peak KiB"
    printf "%-10s %14.1f %10.1f %16.1f %18d\n", "Brisolant", bms, bmin, bcpu, bkib
    printf "%-10s %14.1f %10.1f %16.1f %18d\n", "minimal", mms, mmin, mcpu, mkib
    printf "%-10s %14.3f %10.3f %16.3f %18.3f\n", "ratio", bms / mms, bmin / mmin, bcpu / mcpu,
        bkib / mkib
    printf "startup_ms brisolant=%.3f minimal=%.3f ratio=%.4f\n", bms, mms, bms / mms
    printf "startup_cpu_ms brisolant=%.3f minimal=%.3f ratio=%.4f\n", bcpu, mcpu, bcpu / mcpu
    printf "startup_maxrss_kib brisolant=%d minimal=%d ratio=%.4f\n", bkib, mkib, bkib / mkib
}'
