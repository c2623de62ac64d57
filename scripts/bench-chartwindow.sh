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

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build/release}
runs=${2:-10}
case $build in /*) ;; *) build=$root/$build ;; esac
program=$build/app/Brisolant
makerig=$build/bench/rigfiles/makerig
bench=$build/bench/chartwindow/brisolant_chartwindow_bench
for tool in "$program" "$makerig" "$bench"; do
    if [ ! -x "$tool" ]; then
        echo "bench-chartwindow: $tool is missing; build $build first" >&2
        exit 2
    fi
done
for tool in hyperfine xvfb-run dbus-run-session; do
    command -v $tool >/dev/null || { echo "bench-chartwindow: $tool is not installed" >&2; exit 2; }
done

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
