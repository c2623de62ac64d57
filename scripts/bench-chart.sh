#!/bin/sh
# Time of a PDF switch chart of every address 1 ... 511 (43 A4 pages) against
# the time of "Brisolant --version", the floor of starting the program, and a
# text chart of the same for comparison. Uses hyperfine; no display needed.
#
#   scripts/bench-chart.sh [build-dir] [runs]
#
# build-dir defaults to build/release, runs to 30 per command.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build/release}
runs=${2:-30}
case $build in /*) ;; *) build=$root/$build ;; esac
program=$build/app/Brisolant
if [ ! -x "$program" ]; then
    echo "bench-chart: $program is missing; build $build first" >&2
    exit 2
fi
command -v hyperfine >/dev/null || { echo "bench-chart: hyperfine is not installed" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A bare environment, as over ssh with no display; A4 whatever the caller's locale.
hyperfine --shell=none --warmup 3 --runs "$runs" --export-json "$work/times.json" \
    -n version "env -i LANG=C.UTF-8 $program --version" \
    -n "pdf 1-511" "env -i LANG=C.UTF-8 $program --chart-series 1,1,511 --output $work/chart.pdf" \
    -n "text 1-511" "env -i LANG=C.UTF-8 $program --chart-series 1,1,511 --output $work/chart.txt"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "chart: $(pdfinfo "$work/chart.pdf" 2>/dev/null | sed -n 's/^Pages: *//p') pages, $(wc -c <"$work/chart.pdf") bytes"
