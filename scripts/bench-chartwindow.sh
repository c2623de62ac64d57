#!/bin/sh
# The chart window, in one run, on a private X server:
#   - an MVR of 2,000 fixtures of 20 GDTF types opened in the chart window
#     until its first page has painted, against "--chart-patch" writing the
#     same file's chart as CSV (goal: at most 1.5 times);
#   - a patch list of 10,000 fixtures, 834 A4 pages, paged through with Page
#     Down, each page's paint timed (goal: p99 under 16 ms).
# The rigs are made by bench/rigfiles/makerig.
#
#   scripts/bench-chartwindow.sh [build-dir] [runs]
#
# build-dir defaults to build/release, runs to 10.
set -eu

# shellcheck source=scripts/bench-setup.sh
. "$(dirname "$0")/bench-setup.sh"
bench_setup bench-chartwindow 10 "$@"
program=$build/app/Brisolant
makerig=$build/bench/rigfiles/makerig
bench=$build/bench/chartwindow/brisolant_chartwindow_bench
bench_built "$program" "$makerig" "$bench"
bench_tools hyperfine xvfb-run dbus-run-session

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/show" "$work/big"
"$makerig" 2000 20 "$work/show"
"$makerig" 10000 1 "$work/big"

# A4 whatever the caller's locale; the command line with no display at all.
# -noreset: between two runs no client is left, and a server that resets
# then refuses the next connection.
export LANG=C.UTF-8 QT_QPA_PLATFORM=xcb program bench work runs
# A session bus, as every desktop has: without one, Qt's first connection
# to it starts dbus-launch, which a desktop never pays for.
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" dbus-run-session -- sh -c '
    hyperfine --shell=none --warmup 2 --runs "$runs" --export-markdown "$work/times.md" \
        -n "2000 MVR to CSV" "env -i LANG=C.UTF-8 $program --chart-patch $work/show/rig.mvr --output $work/mvr.csv" \
        -n "2000 MVR, first page" "$bench open $work/show/rig.mvr"
    cat "$work/times.md"
    "$bench" pages "$work/big/rig.csv"' 2>&1 | grep -v XDG_RUNTIME_DIR
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
