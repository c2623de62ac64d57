#!/bin/sh
# How the rig readers' time grows with the file: each shape of file that a
# reader not linear in its size would take long over, written at a size n
# and at 8n by bench/rigfiles/makeshapes, charted with "--chart-patch FILE"
# against "Brisolant --version", all in the same rounds. The table gives
# per shape both times, their ratio (goal: at most 12; a linear reader gives
# about 8 once the file, not the start, takes the time) and the 8n time over
# --version (goal: at most 3). Then the peak memory of the files that cost
# memory before a limit is met (a grandMA2 fixture of 4,000,000 addresses, a
# 150 MB grandMA3 export, an MVR listing 2,000,000 entries) and of a 60 MB
# patch list charted to CSV, beside --version's (goal: at most twice the
# file's size above it), and how long /dev/zero and a folder take to be
# refused. No display needed.
#
#   scripts/bench-readers.sh [build-dir] [runs] [other-program]
#
# build-dir defaults to build/release, runs to 10 per command. An other
# program (another build of Brisolant, such as one kept from before a change)
# is timed on the same files in the same rounds, and its memory measured.
set -eu

# shellcheck source=scripts/bench-setup.sh
. "$(dirname "$0")/bench-setup.sh"
bench_setup bench-readers 10 "$@"
program=$build/app/Brisolant
makeshapes=$build/bench/rigfiles/makeshapes
bench_built "$program" "$makeshapes"
bench_tools hyperfine

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$makeshapes" "$work"
shapes="show-export.csv one-address.csv wide-rows.csv doubled-quotes.csv references.mvr
attributes.xml full-elements.xml namespaces.xml"
other=${3:-}

run="env -i LANG=C.UTF-8 $program"
set -- -n version "$run --version"
for shape in $shapes; do
    for size in n 8n; do
        set -- "$@" -n "$size $shape" "$run --chart-patch $work/$size-$shape --output $work/chart.csv"
    done
    if [ -n "$other" ]; then
        set -- "$@" -n "other 8n $shape" \
            "env -i LANG=C.UTF-8 $other --chart-patch $work/8n-$shape --output $work/chart.csv"
    fi
done
# Some shapes are refused at a limit, which is what is timed then.
bench_rounds "$work/medians" --ignore-failure "$@"
awk -F'\t' -v shapes="$shapes" '
    { median[$1] = $2 }
    END {
        version = median["version"]
        printf "Brisolant --version: %.1f ms (median of the runs)\n\n", version * 1000
        printf "| shape | n | 8n | 8n / n | 8n / --version | other program, 8n |\n"
        printf "|---|---|---|---|---|---|\n"
        total = split(shapes, list, /[ \n]+/)
        for (i = 1; i <= total; ++i) {
            if (list[i] == "") continue
            n = median["n " list[i]]; big = median["8n " list[i]]
            other = median["other 8n " list[i]]
            printf "| %s | %.1f ms | %.1f ms | %.1f | %.1f | %s |\n", list[i], n * 1000, big * 1000,
                big / n, big / version, other == "" ? "" : sprintf("%.1f ms", other * 1000)
        }
    }' "$work/medians"
for shape in $shapes; do
    printf '%s: n %s bytes, 8n %s bytes\n' "$shape" "$(wc -c <"$work/n-$shape")" \
        "$(wc -c <"$work/8n-$shape")"
done
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"

echo
"$makeshapes" "$work" 60
"$makeshapes" "$work" memory
/usr/bin/time -f '%M' -o "$work/time" $run --version >/dev/null
floor=$(tail -n 1 "$work/time")
echo "Brisolant --version: peak $floor KiB"
# Each file charted to CSV: peak memory (KiB), seconds, exit status, and the
# first line said on standard error.
for file in big.csv ma2-addresses.xml gma3-150mb.xml mvr-entries.mvr; do
    size=$(wc -c <"$work/$file")
    for binary in "$program" $other; do
        /usr/bin/time -f '%M %e %x' -o "$work/time" env -i LANG=C.UTF-8 "$binary" \
            --chart-patch "$work/$file" --output "$work/memory-chart.csv" 2>"$work/said" || true
        tail -n 1 "$work/time" | awk -v file="$file" -v binary="$binary" -v size="$size" \
            -v floor="$floor" -v said="$(head -n 1 "$work/said")" '{
            printf "%s (%d bytes), %s: exit status %d, %.2f s, peak %d KiB, %.2f times its size above --version; %s\n",
                file, size, binary, $3, $2, $1, ($1 - floor) * 1024 / size, said }'
    done
done

# A pipe is read as standard input is, so it is not among them.
for file in /dev/zero "$work"; do
    start=$(date +%s%N)
    status=0
    timeout 10 $run --chart-patch "$file" >/dev/null 2>"$work/err" || status=$?
    end=$(date +%s%N)
    printf '%s: exit status %d after %d ms: %s\n' "$file" "$status" $(((end - start) / 1000000)) \
        "$(cat "$work/err")"
done
