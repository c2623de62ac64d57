#!/bin/sh
# The chart window, on a private X server with a session bus:
#   - an MVR of 2,000 fixtures of 20 GDTF types opened in the chart window
#     until its first page has painted, against "--chart-patch" writing the
#     same file's chart as CSV (goal: at most 1.5 times), and beside them the
#     floor: a window of the same size with one label, until it has painted;
#     all three in the same rounds, medians;
#   - a patch list of 90 MB (96,000 fixtures) opened in the chart window until
#     its reading's progress has painted, in the same rounds;
#   - a patch list of 10,000 fixtures, 834 A4 pages, paged through with Page
#     Down, each page's paint timed (goal: p99 under 16 ms);
#   - the main window, offscreen, clicked while the 90 MB file dropped on it is
#     read, each click until the new address has painted, beside clicks with
#     nothing read (brisolant_response_bench).
# The rigs are made by bench/rigfiles/makerig, the large list by makeshapes.
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
makeshapes=$build/bench/rigfiles/makeshapes
bench=$build/bench/chartwindow/brisolant_chartwindow_bench
response=$build/bench/response/brisolant_response_bench
bench_built "$program" "$makerig" "$makeshapes" "$bench" "$response"
bench_tools hyperfine xvfb-run dbus-run-session

if [ -z "${BRISOLANT_BENCH_SERVER:-}" ]; then
    # -noreset: between two runs no client is left, and a server that resets
    # then refuses the next connection. A session bus, as every desktop has:
    # without one, Qt's first connection to it starts dbus-launch, which a
    # desktop never pays for.
    BRISOLANT_BENCH_SERVER=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
        dbus-run-session -- "$0" "$build" "$runs"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/show" "$work/big"
mkdir -m 700 "$work/runtime"
"$makerig" 2000 20 "$work/show"
"$makerig" 10000 1 "$work/big"
"$makeshapes" "$work/big" 90

# A4 whatever the caller's locale; the command line with no display at all.
export LANG=C.UTF-8 QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime"
set -- -n csv "env -i LANG=C.UTF-8 $program --chart-patch $work/show/rig.mvr --output $work/mvr.csv" \
    -n window "$bench open $work/show/rig.mvr" \
    -n floor "$bench floor" \
    -n progress "$bench progress $work/big/big.csv"
bench_rounds "$work/medians" "$@"
awk -F'\t' -v runs="$runs" '
    { median[$1] = $2 * 1000 }
    END {
        printf "Medians of %d rounds:\n", runs
        printf "  2000 MVR to CSV:                %5.1f ms\n", median["csv"]
        printf "  2000 MVR, first page:           %5.1f ms  %.2f times the CSV\n",
            median["window"], median["window"] / median["csv"]
        printf "  one-label window, first paint:  %5.1f ms  %.2f times the CSV\n",
            median["floor"], median["floor"] / median["csv"]
        printf "  90 MB list, progress shown:     %5.1f ms\n", median["progress"]
    }' "$work/medians"
"$bench" pages "$work/big/rig.csv"
QT_QPA_PLATFORM=offscreen "$response" 2000 200 "$work/big/big.csv" | grep -v '^response_'

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
