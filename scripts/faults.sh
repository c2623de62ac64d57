#!/usr/bin/env bash
# Plants each fault of scripts/faults.txt into the product, one at a time, builds, runs the test
# suite and records which tests fail. A fault that no test catches is a gap in the suite. Never
# run by CI: it rebuilds once per fault (about a minute each here).
#
#   scripts/faults.sh [build-dir] [Fnn ...]      default build/dev (the dev preset), every fault
#   scripts/faults.sh --check                    only checks that every fault still applies
# The tally goes to standard output and to <build-dir>/faults.log. Every file is restored after
# each fault, also when the script is interrupted.
set -euo pipefail
cd "$(dirname "$0")/.."

check_only=false
if [ "${1:-}" = --check ]; then
    check_only=true
    shift
fi
build=${1:-build/dev}
shift || true
if ! $check_only && [ ! -f "$build/build.ninja" ]; then
    cmake --preset dev >/dev/null
fi

# Prints the blocks of the faults file as "id<TAB>file<TAB>what<TAB>old<TAB>new", with the
# lines of the old and new text joined by the unit separator, \x1f.
faults() {
    perl -ne '
        chomp;
        sub flush { print join("\t", @f{qw(id file what)}, $f{old}, $f{new}), "\n" if $f{id}; %f = () }
        if (/^(F\d+) (\S+) (.*)$/) { flush(); @f{qw(id file what)} = ($1, $2, $3); $f{old} = $f{new} = ""; next }
        if (/^- ?(.*)$/ && $f{id}) { $f{old} .= ($f{old} eq "" ? "" : "\x1f") . $1; next }
        if (/^\+ ?(.*)$/ && $f{id}) { $f{new} .= ($f{new} eq "" ? "" : "\x1f") . $1; next }
        END { flush() }' scripts/faults.txt
}

# Replaces the old text, matched with any run of white space standing for any other, by the new.
plant() {
    OLD="$3" NEW="$4" perl -0777 -i -pe '
        my @words = map { quotemeta } split /[\x1f\s]+/, $ENV{OLD};
        my $pattern = join q(\s+), grep { length } @words;
        my $count = () = /$pattern/g;
        die "matches $count times\n" unless $count == 1;
        (my $new = $ENV{NEW}) =~ s/\x1f/\n/g;
        s/$pattern/$new/;' "$2"
}

backup=$(mktemp -d)
restore() {
    if [ -n "${planted:-}" ]; then
        cp "$backup/file" "$planted"
        planted=
    fi
}
trap 'restore; rm -rf "$backup"' EXIT

mkdir -p "$build"
log="$build/faults.log"
: >"$log"
caught=0 missed=0 broken=0
while IFS=$'\t' read -r id file what old new; do
    if [ $# -gt 0 ] && ! printf '%s\n' "$@" | grep -qx "$id"; then
        continue
    fi
    cp "$file" "$backup/file"
    planted=$file
    if ! error=$(plant "$id" "$file" "$old" "$new" 2>&1); then
        restore
        echo "$id STALE ($file: the text to replace $error)" | tee -a "$log"
        broken=$((broken + 1))
        continue
    fi
    if $check_only; then
        restore
        continue
    fi
    if ! cmake --build "$build" >"$backup/build.log" 2>&1; then
        restore
        echo "$id DOES NOT BUILD ($what)" | tee -a "$log"
        broken=$((broken + 1))
        continue
    fi
    # ctest fails when a test does, which is the point here.
    failed=$({ ctest --test-dir "$build" -j2 --timeout 300 2>&1 || true; } |
        sed -nE 's/^ *[0-9]+\/[0-9]+ Test +#[0-9]+: ([^ ]+) \.+.*(Failed|Exception|Timeout|Not Run).*/\1/p' |
        sort | tr '\n' ' ')
    restore
    if [ -n "$failed" ]; then
        caught=$((caught + 1))
        echo "$id caught ($what): $failed" | tee -a "$log"
    else
        missed=$((missed + 1))
        echo "$id MISSED ($what)" | tee -a "$log"
    fi
done < <(faults)

# Leave the build matching the sources again.
cmake --build "$build" >/dev/null 2>&1 || true
echo "caught $caught, missed $missed, not planted $broken" | tee -a "$log"
[ "$missed" -eq 0 ] && [ "$broken" -eq 0 ]
