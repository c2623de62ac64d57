# Sourced by the bench scripts, after "set -eu": where the build is and how
# many runs, from the script's arguments, and checks that what it runs is there.
#
#   bench_setup NAME DEFAULT_RUNS [build-dir] [runs]
#       sets root (the checkout), build (absolute, default build/release) and runs
#   bench_built FILE...   exits 2 naming the first that is not built
#   bench_tools TOOL...   exits 2 naming the first that is not installed
#   bench_rounds FILE ... times commands in rounds, their medians to FILE (below)

bench_setup() {
    bench_name=$1
    root=$(cd "$(dirname "$0")/.." && pwd)
    build=${3:-build/release}
    runs=${4:-$2}
    case $build in /*) ;; *) build=$root/$build ;; esac
    case $runs in '' | *[!0-9]*) echo "$bench_name: runs must be a number" >&2; exit 2 ;; esac
}

bench_built() {
    for built in "$@"; do
        if [ ! -x "$built" ]; then
            echo "$bench_name: $built is missing; build $build with -DBRISOLANT_BENCHMARKS=ON" >&2
            exit 2
        fi
    done
}

bench_tools() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "$bench_name: $tool is not installed" >&2; exit 2; }
    done
}

# bench_rounds FILE [HYPERFINE-OPTION...] -n NAME COMMAND ...
#   Times the commands in $runs rounds after a warm-up round, each round
#   running every command once, so that all share whatever else the machine
#   is doing: timed one after the other, a load that comes or goes in between
#   would move their ratios. Writes to FILE "NAME<tab>seconds" for each
#   command, the median of its rounds: on a shared machine one run slowed by
#   another process moves a mean, not a median.
bench_rounds() {
    medians=$1
    shift
    rounds=$(mktemp -d)
    hyperfine --shell=none --runs 1 "$@" >/dev/null
    for _ in $(seq "$runs"); do
        hyperfine --shell=none --runs 1 --export-csv "$rounds/round.csv" "$@" >/dev/null 2>&1
        tail -n +2 "$rounds/round.csv" >>"$rounds/times.csv"
    done
    # hyperfine's CSV: command, mean, ... in seconds, one line for each round.
    sort -t, -k1,1 -k2,2g "$rounds/times.csv" | awk -F, '
        { times[$1, ++count[$1]] = $2 }
        END {
            for (command in count) {
                n = count[command]
                low = times[command, int((n + 1) / 2)]; high = times[command, int(n / 2) + 1]
                printf "%s\t%.9g\n", command, (low + high) / 2
            }
        }' >"$medians"
    rm -rf "$rounds"
}
