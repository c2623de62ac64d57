#!/bin/sh
# The chart window, in one run, on an X server:
#   - an MVR of 2,000 fixtures of 20 GDTF types opened in the chart window
#     until its first page has painted, against "--chart-patch" writing the
#     same file's chart as CSV (goal: at most 1.5 times);
#   - a patch list of 10,000 fixtures, 834 A4 pages, paged through with Page
#     Down, each page's paint timed (goal: p99 under 16 ms).
# The rigs are made by bench/rigfiles/makerig.
#
#   scripts/bench-chartwindow.sh [build-dir] [runs]
#
# build-dir defaults to build/release, runs to 10. Uses $DISPLAY when set,
# otherwise starts a private Xvfb and stops it at the end.
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
command -v hyperfine >/dev/null || { echo "bench-chartwindow: hyperfine is not installed" >&2; exit 2; }

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
    mkfifo "$work/displayfd"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/displayfd" 2>/dev/null &
    xvfb_pid=$!
    read -r number <"$work/displayfd"
    DISPLAY=:$number
fi
mkdir "$work/show" "$work/big"
"$makerig" 2000 20 "$work/show"
"$makerig" 10000 1 "$work/big"

# A4 whatever the caller's locale; the window on X, the command line without.
export LANG=C.UTF-8
hyperfine --shell=none --warmup 2 --runs "$runs" --export-markdown "$work/times.md" \
    -n "2000 MVR to CSV" "env -i LANG=C.UTF-8 $program --chart-patch $work/show/rig.mvr --output $work/mvr.csv" \
    -n "2000 MVR, first page" "env DISPLAY=$DISPLAY QT_QPA_PLATFORM=xcb $bench open $work/show/rig.mvr"
cat "$work/times.md"
DISPLAY=$DISPLAY QT_QPA_PLATFORM=xcb "$bench" pages "$work/big/rig.csv"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
