#!/usr/bin/env bash
# Builds Brisolant from scratch where needed and runs the whole test suite:
# the core alone without Qt, a build with warnings as errors, and a build with
# AddressSanitizer and UndefinedBehaviorSanitizer. Any failure stops the run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

for preset in core werror sanitize; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
