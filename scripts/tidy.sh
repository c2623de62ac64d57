#!/usr/bin/env bash
# Runs clang-tidy over the project's own .cpp files (every folder of the checkout that holds
# C++ sources), one translation unit per core, with every finding an error.
# Generated sources (moc, qrc, anything under *_autogen) and headers outside
# the checkout are not linted.
#
#   scripts/tidy.sh [build-dir]
# Without an argument it configures build/tidy: clang, Debug (so no LTO),
# with Qt, the tests, the benchmarks and the fuzz targets, through the "tidy"
# preset where CMakePresets.json has one. A build dir given is used as it is
# (CI passes build/sanitize, built already, which holds the same sources), or
# configured the same way when it has no compile_commands.json yet. Either is
# a unity build: most of clang-tidy's time goes into parsing Qt's headers, and
# a unity source parses them once for all of a target's files, which
# more than halves the run.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
start=$SECONDS
# The checkout's path as a literal inside extended regular expressions.
root_re="$(printf '%s' "$root" | sed 's/[].[^$\\*+?(){}|]/\\&/g')"
# The top folders that hold the project's C++ sources, and the same as an alternation.
mapfile -t folders < <(git ls-files '*.cpp' '*.h' | grep / | cut -d/ -f1 | sort -u)
folders_re="$(IFS='|'; printf '%s' "${folders[*]}")"

configure() {
    if [ "$1" = "$root/build/tidy" ] && cmake --list-presets 2>/dev/null | grep -q '"tidy"'; then
        cmake --preset tidy >/dev/null
    else
        cmake -S . -B "$1" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
            -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=0 -DBRISOLANT_BENCHMARKS=ON -DBRISOLANT_FUZZ=ON -DBUILD_TESTING=ON >/dev/null
    fi
}

if [ $# -gt 0 ]; then
    build="$(realpath -m "$1")"
    if [ ! -f "$build/compile_commands.json" ]; then
        configure "$build"
    fi
else
    # Configured every time, so that new sources are in the list.
    build="$root/build/tidy"
    configure "$build"
fi

# Sources that include what moc writes ("x.moc" in a test, "moc_x.cpp" at
# the end of a Qt class's source) need moc to have run; a build dir already built
# has it. Ninja's *_autogen targets would first build every library the target
# links (a minute here); moc needs none of them, so the step those targets run
# is run directly for the targets that hold such a source, and the targets
# are only the fallback.
mapfile -t mocced < <(git grep -lE '^#include "(moc_[a-z_]+\.cpp|[a-z_]+\.moc)"' -- '*.cpp')
mapfile -t autogen < <(
    find "$build" -path '*/CMakeFiles/*_autogen.dir/AutogenInfo.json' |
        xargs -r grep -lF -f <(printf '"%s"\n' "${mocced[@]/#/$root/}")
)
config="$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")"
for info in "${autogen[@]}"; do
    if ! (cd "$(dirname "$(dirname "$(dirname "$info")")")" &&
        cmake -E cmake_autogen "$info" "$config" >/dev/null); then
        echo "Running moc directly failed; building the *_autogen targets instead" >&2
        mapfile -t targets < <(ninja -C "$build" -t targets all | sed -nE 's/^([^/ ]+_autogen): .*/\1/p')
        ninja -C "$build" "${targets[@]}" >/dev/null
        break
    fi
done

# CMake writes one absolute "file" entry per line: a project source, or a
# unity source of the build that includes a target's sources. The widget tests
# go first: they take longest, and two of them at the end would leave a core idle.
build_re="$(printf '%s' "$build" | sed 's/[].[^$\\*+?(){}|]/\\&/g')"
mapfile -t files < <(
    grep -o '"file": *"[^"]*"' "$build/compile_commands.json" |
        sed -E 's/^"file": *"(.*)"$/\1/' |
        grep -E "^$root_re/(${folders_re})/.+\.cpp$|^$build_re/.+/Unity/unity_[0-9]+_cxx\.cxx$" |
        grep -vE "_autogen/|/(moc|qrc)_[^/]*$|mocs_compilation" |
        sort -u |
        awk -v ui="$root/tests/ui/" -v uiunity="$build/tests/ui/" \
            'index($0, ui) == 1 || index($0, uiunity) == 1 { print; next } { rest[++n] = $0 }
            END { for (i = 1; i <= n; ++i) print rest[i] }'
)

if [ ${#files[@]} -eq 0 ]; then
    echo "No project sources in $build/compile_commands.json" >&2
    exit 1
fi
echo "clang-tidy: ${#files[@]} files from $build"

# Anchored at this checkout, so nothing under build/ or /usr matches. The
# sources a unity source includes count as headers, and match too.
header_filter="^$root_re/(${folders_re})/"

# The two extra arguments let a g++ build dir be used too: clang knows neither
# all of g++'s warnings nor its LTO flags.
status=0
printf '%s\0' "${files[@]}" |
    xargs -0 -n 1 -P "$(nproc)" clang-tidy -p "$build" --quiet --warnings-as-errors='*' \
        --header-filter="$header_filter" --extra-arg=-Wno-unknown-warning-option \
        --extra-arg=-Wno-ignored-optimization-argument \
        2> >(grep -vE '^[0-9]+ warnings? generated\.$' >&2) || status=$?

elapsed=$((SECONDS - start))
if [ "$status" -ne 0 ]; then
    echo "clang-tidy reported findings (see above), ${elapsed}s." >&2
    exit 1
fi
echo "clang-tidy: no findings, ${elapsed}s."
