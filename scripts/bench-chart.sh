#!/bin/sh
# Chart timings against "Brisolant --version", the floor of starting the
# program, all in one hyperfine run; no display needed:
#   - every address 1 ... 511 as a PDF (43 A4 pages) and as text;
#   - a patch list of 10,000 fixtures over 40 universes as text, CSV and PDF,
#     and as labels on A4 sheets of 21 (goal: at most 1.5 times its chart PDF);
#   - an MVR of 2,000 fixtures of 20 GDTF types as a PDF, against the same rig
#     as a CSV patch list;
#   - a rig of 10,000 fixtures of 20 types, as a patch list and as an MVR, to CSV
#     without profiles and with a profile file of 1,000 rules, the last of them
#     with * giving every type of the rig a profile of ten switches.
# The rigs are made by bench/rigfiles/makerig.
#
#   scripts/bench-chart.sh [build-dir] [runs]
#
# build-dir defaults to build/release, runs to 10 per command.
set -eu

# shellcheck source=scripts/bench-setup.sh
. "$(dirname "$0")/bench-setup.sh"
bench_setup bench-chart 10 "$@"
program=$build/app/Brisolant
makerig=$build/bench/rigfiles/makerig
bench_built "$program" "$makerig"
bench_tools hyperfine

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/big" "$work/show" "$work/typed"
"$makerig" 10000 1 "$work/big"
"$makerig" 2000 20 "$work/show"
"$makerig" 10000 20 "$work/typed"
awk 'BEGIN {
    printf "[profile.bench]\nswitches = 10\nfunction = { 10 = \"OFF = DMX\" }\n\n"
    for (i = 1; i <= 980; ++i) printf "[[rule]]\nmaker = \"Maker %d\"\ntype = \"Model %d\"\nprofile = \"dip10\"\n\n", i, i
    for (i = 1; i <= 19; ++i) printf "[[rule]]\ntype = \"Other %d *\"\nprofile = \"dials3\"\n\n", i
    printf "[[rule]]\ntype = \"*Type *\"\nprofile = \"bench\"\n"
}' >"$work/profiles.toml"
rules="--profiles $work/profiles.toml"

# A bare environment, as over ssh with no display; A4 whatever the caller's locale.
run="env -i LANG=C.UTF-8 $program"
hyperfine --shell=none --warmup 2 --runs "$runs" --export-markdown "$work/times.md" \
    --export-csv "$work/times.csv" \
    -n version "$run --version" \
    -n "pdf 1-511" "$run --chart-series 1,1,511 --output $work/series.pdf" \
    -n "text 1-511" "$run --chart-series 1,1,511 --output $work/series.txt" \
    -n "10000 to text" "$run --chart-patch $work/big/rig.csv --output $work/big.txt" \
    -n "10000 to CSV" "$run --chart-patch $work/big/rig.csv --output $work/big.csv" \
    -n "10000 to PDF" "$run --chart-patch $work/big/rig.csv --output $work/big.pdf" \
    -n "10000 labels" "$run --chart-patch $work/big/rig.csv --labels a4-63x38 --output $work/labels.pdf" \
    -n "2000 CSV to PDF" "$run --chart-patch $work/show/rig.csv --output $work/csv.pdf" \
    -n "2000 MVR to PDF" "$run --chart-patch $work/show/rig.mvr --output $work/mvr.pdf" \
    -n "10000 typed to CSV" "$run --chart-patch $work/typed/rig.csv --output $work/typed.csv" \
    -n "10000 typed to CSV, 1000 rules" "$run --chart-patch $work/typed/rig.csv $rules --output $work/typed-rules.csv" \
    -n "10000 typed MVR to CSV" "$run --chart-patch $work/typed/rig.mvr --output $work/typed-mvr.csv" \
    -n "10000 typed MVR to CSV, 1000 rules" "$run --chart-patch $work/typed/rig.mvr $rules --output $work/typed-mvr-rules.csv"
cat "$work/times.md"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
# hyperfine's CSV: command, mean, ... in seconds.
awk -F, '$1 == "10000 to PDF" { chart = $2 } $1 == "10000 labels" { labels = $2 }
    END { printf "labels for 10000 fixtures: %.2f times the chart PDF (goal 1.5)\n", labels / chart }' \
    "$work/times.csv"
for chart in series big csv mvr labels; do
    echo "$chart.pdf: $(pdfinfo "$work/$chart.pdf" 2>/dev/null | sed -n 's/^Pages: *//p') pages, $(wc -c <"$work/$chart.pdf") bytes"
done
echo "profiles given by the rules: $(cut -d, -f9 "$work/typed-mvr-rules.csv" | sort | uniq -c | tr -s ' ' | tr '\n' ';')"
$run --chart-patch "$work/show/rig.csv" --output "$work/from-csv.csv"
$run --chart-patch "$work/show/rig.mvr" --output "$work/from-mvr.csv"
if cmp -s "$work/from-csv.csv" "$work/from-mvr.csv"; then
    echo "the MVR and the CSV patch list chart the same rig"
else
    echo "bench-chart: the MVR and the CSV patch list chart different rigs" >&2
    exit 1
fi
