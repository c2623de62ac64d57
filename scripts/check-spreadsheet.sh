#!/usr/bin/env bash
# Opens a CSV chart the way a spreadsheet user does and checks that nothing in it changes: the
# chart goes through LibreOffice Calc, headless, with Calc's default CSV import, and is saved back
# as CSV; every field must come back as Brisolant wrote it. Nine switch digits written together
# would come back as a number without their leading zeros (010000000 as 10000000), which is why
# the CSV writes them with blanks between.
#
# Not part of the test command: Calc is about 80 MB in some 50 Debian packages, about half a
# minute to install on every fresh machine, for a check that can only change when the CSV's form
# does, and the CSV's bytes are pinned by tests/cli. Run it after changing writers/csvchart.*.
#
#   scripts/check-spreadsheet.sh [build-dir]       default build/dev
# Needs soffice: apt-get install --no-install-recommends libreoffice-calc-nogui
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
if ! command -v soffice >/dev/null; then
    echo "needs LibreOffice Calc: apt-get install --no-install-recommends libreoffice-calc-nogui" >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Leading zeros in every switch pattern Calc could take for a number, a number with a letter, a
# name with quotes and one with a comma.
printf '%s\n' 'FID,Name,Universe,Address,Channels' '101,Spot 1,1,2,16' '102,Spot 2,1,256,16' \
    '7a,"12"" Fresnel ""Front""",2,1,1' '8,"Wash, left",2,100,1' '9,Dimmer,3,511,1' >"$work/rig.csv"
"$build/app/Brisolant" --chart-patch "$work/rig.csv" --output "$work/chart.csv"
soffice -env:UserInstallation="file://$work/profile" --headless \
    --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76' --outdir "$work/calc" \
    "$work/chart.csv" >/dev/null 2>&1
if ! diff -u "$work/chart.csv" "$work/calc/chart.csv"; then
    echo "check-spreadsheet: Calc changed the chart (above: - as written, + as Calc read it)" >&2
    exit 1
fi
echo "check-spreadsheet: Calc reads every field of the CSV chart as written"
