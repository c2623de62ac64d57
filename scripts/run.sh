#!/usr/bin/env bash
# Builds Brisolant (optimised) where needed and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target Brisolant
exec build/release/app/Brisolant "$@"
