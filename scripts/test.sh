#!/usr/bin/env bash
# Builds Brisolant from scratch where needed and runs the whole test suite:
#   werror    optimised build, warnings as errors, every test;
#   sanitize  AddressSanitizer, UndefinedBehaviorSanitizer and leak checks,
#             with clang and the libFuzzer targets: every test, the fuzz
#             corpora, then each fuzz target for a bounded time;
#   clang-format: every C++ file as .clang-format lays it out;
#   clang-tidy over the project's own code.
# Any failure stops the run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

echo "== clang-format"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

for preset in werror sanitize; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    echo "== $preset tests"
    ctest --preset "$preset"
done

echo "== fuzzing"
scripts/fuzz.sh 15

echo "== clang-tidy"
scripts/tidy.sh
