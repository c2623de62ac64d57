#!/usr/bin/env bash
# Builds Brisolant from scratch where needed and runs the whole test suite:
#   werror    optimised build, warnings as errors, every test;
#   sanitize  AddressSanitizer, UndefinedBehaviorSanitizer and leak checks,
#             every test;
#   fuzz      the core alone, without Qt, built with clang: its unit tests,
#             the fuzz corpus, then each fuzz target for a bounded time;
#   clang-format: every C++ file as .clang-format lays it out;
#   clang-tidy over the project's own code.
# Any failure stops the run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

echo "== clang-format"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

for preset in werror sanitize fuzz; do
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
