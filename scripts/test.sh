#!/usr/bin/env bash
# Builds Brisolant from scratch where needed and runs the whole test suite:
#   werror    optimised build of what ships, with g++ and warnings as errors,
#             and the two tests the sanitizers' build leaves out: the Debian
#             package, and the chart window under a window manager;
#   sanitize  AddressSanitizer, UndefinedBehaviorSanitizer and leak checks,
#             with clang (warnings as errors) and the libFuzzer targets:
#             every other test, the fuzz corpora, then each fuzz target for
#             a bounded time;
#   clang-format: every C++ file as .clang-format lays it out;
#   clang-tidy over the project's own code.
# Any failure stops the run.
set -euo pipefail
cd "$(dirname "$0")/.."

# Each step says when it began, in seconds from the start.
step() { echo "== $1 (${SECONDS} s)"; }
# A step that fails leaves none of those started in the background behind.
trap 'wait' EXIT
# Waits for a step started in the background, prints what it printed to its
# log, and stops the run as it failed: joined PID LOG.
joined() {
    local status=0
    wait "$1" || status=$?
    cat "$2"
    if [ "$status" -ne 0 ]; then
        exit "$status"
    fi
}

scripts/install-deps.sh

step "clang-format"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

# Each test runs once, under the sanitizers where it can: building and running
# the tests with g++ as well took a minute more on two cores, and clang's
# warnings, as errors, cover their code.
step "werror build"
cmake --preset werror >/dev/null
# Configured meanwhile: a fresh configure is a few seconds on one core.
cmake --preset sanitize >"build/sanitize-configure.log" 2>&1 &
sanitize_configure=$!
cmake --build --preset werror --target app/all chartmodule/all packaging/all translations/all \
    tst_chartwindow
# The two tests spend most of their time waiting (lintian reads the package,
# the window manager's test waits for windows), so they run beside the
# sanitize build, which keeps both cores busy; their output follows the build.
werror_log=build/werror/ci-tests.log
ctest --preset werror -R '^(packaging_package|tst_chartwindow_desktop)$' >"$werror_log" 2>&1 &
werror_tests=$!

step "sanitize build"
joined "$sanitize_configure" build/sanitize-configure.log
cmake --build --preset sanitize

step "werror tests"
joined "$werror_tests" "$werror_log"

# clang-tidy needs only the sanitize build's commands and moc's output. It
# runs beside the tests and the fuzzing, at a lower priority so that they
# keep the cores they ask for, and takes what they leave idle; its output
# follows theirs.
tidy_log=build/sanitize/ci-tidy.log
nice -n 10 scripts/tidy.sh build/sanitize >"$tidy_log" 2>&1 &
tidy=$!

step "sanitize tests"
ctest --preset sanitize

step "fuzzing"
scripts/fuzz.sh 15

step "clang-tidy"
joined "$tidy" "$tidy_log"
step "done"
