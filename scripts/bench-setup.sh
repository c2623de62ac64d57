# Sourced by the bench scripts, after "set -eu": where the build is and how
# many runs, from the script's arguments, and checks that what it runs is there.
#
#   bench_setup NAME DEFAULT_RUNS [build-dir] [runs]
#       sets root (the checkout), build (absolute, default build/release) and runs
#   bench_built FILE...   exits 2 naming the first that is not built
#   bench_tools TOOL...   exits 2 naming the first that is not installed

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
