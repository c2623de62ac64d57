#!/usr/bin/env bash
# Builds the libFuzzer targets (with clang, in the sanitize build) and fuzzes
# each one for a bounded time, side by side, starting from a copy of its committed corpus
# (the corpus in the tree is never written to). fuzz_core takes typed addresses
# and clicks at the window's switch bank; fuzz_rig takes rig files from other
# programs. Any crash, leak, sanitizer report or failed check fails the run and
# leaves the input in build/sanitize/artifacts/.
#
#   scripts/fuzz.sh [seconds per target]     default 15, at most 20
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-15}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ] || [ "$seconds" -gt 20 ]; then
    echo "usage: $0 [seconds per target, 1 to 20]" >&2
    exit 2
fi

targets=(fuzz_core fuzz_rig)
# Typed addresses are short. Rig files get room for the shapes that cost a
# reader more than their size if it is not linear (a whole-show export, rows
# of many fields, elements of many attributes, zips of many references).
declare -A max_len=([fuzz_core]=256 [fuzz_rig]=1048576)
# Per input: the slowest linear 1 MiB rig file takes about a second under the
# sanitizers, a path quadratic in the file minutes.
declare -A timeout=([fuzz_core]=10 [fuzz_rig]=6)
build=build/sanitize

# A build dir once configured reconfigures itself as its CMake files change.
if [ ! -f "$build/build.ninja" ]; then
    cmake --preset sanitize >/dev/null
fi
cmake --build "$build" -j2 --target "${targets[@]}"

work="$build/fuzz-run"
artifacts="$build/artifacts"
rm -rf "$work"
mkdir -p "$work" "$artifacts"

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# The targets run side by side, one to a core.
pids=()
for target in "${targets[@]}"; do
    echo "== $target (${seconds}s)"
    cp -r "tests/fuzz/corpus/$target" "$work/$target"
    "$build/tests/fuzz/$target" "$work/$target" \
        -max_total_time="$seconds" -detect_leaks=1 -timeout="${timeout[$target]}" -rss_limit_mb=2048 \
        -max_len="${max_len[$target]}" -print_final_stats=1 -artifact_prefix="$artifacts/$target-" \
        >"$work/$target.log" 2>&1 &
    pids+=($!)
done
failed=()
for i in "${!targets[@]}"; do
    target=${targets[$i]}
    if ! wait "${pids[$i]}"; then
        tail -n 40 "$work/$target.log"
        failed+=("$target")
        continue
    fi
    echo "$target: $(grep -E '^Done' "$work/$target.log" || true)" \
        "$(grep -E 'stat::new_units_added' "$work/$target.log" | tr -s ' ' || true)"
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "FAILED: ${failed[*]} (inputs in $artifacts, logs in $work)" >&2
    exit 1
fi
echo "All fuzz targets ran clean."
