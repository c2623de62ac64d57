#!/usr/bin/env bash
# Checks the desktop entry and the AppStream metainfo in the source tree.
# Usage: metadata_test.sh desktop|metainfo|ids <packaging dir> <app id> <program file name> <version>
# Exits 77 (skipped) only when the validator the mode needs is not installed.
set -euo pipefail

mode=$1 dir=$2 app_id=$3 program=$4 version=$5
desktop="$dir/$app_id.desktop"
metainfo="$dir/$app_id.metainfo.xml"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The value of key $2 in the [Desktop Entry] group of file $1.
desktop_value() {
    sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1"
}

# The text of the first element <$2 ...>text</$2> of file $1.
xml_text() {
    sed -n "s|.*<$2\( [^>]*\)\{0,1\}>\([^<]*\)</$2>.*|\2|p" "$1" | head -n 1
}

[ -f "$desktop" ] || fail "no desktop entry named after the application id: $desktop"
[ -f "$metainfo" ] || fail "no metainfo named after the application id: $metainfo"

case $mode in
desktop)
    command -v desktop-file-validate >/dev/null || { echo "desktop-file-validate not installed"; exit 77; }
    # The validator exits 0 on hints too; anything it prints is a finding.
    findings=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $findings"
    [ -z "$findings" ] || fail "desktop-file-validate: $findings"
    ;;
metainfo)
    command -v appstreamcli >/dev/null || { echo "appstreamcli not installed"; exit 77; }
    appstreamcli validate --no-net --no-color "$metainfo" || fail "appstreamcli validate"
    ;;
ids)
    checks=(
        "desktop Icon|$(desktop_value "$desktop" Icon)|$app_id"
        "desktop Exec|$(desktop_value "$desktop" Exec)|$program"
        "desktop Name|$(desktop_value "$desktop" Name)|$(xml_text "$metainfo" name)"
        "metainfo id|$(xml_text "$metainfo" id)|$app_id"
        "metainfo launchable|$(xml_text "$metainfo" launchable)|$app_id.desktop"
        "metainfo binary|$(xml_text "$metainfo" binary)|$program"
    )
    for check in "${checks[@]}"; do
        IFS='|' read -r what actual expected <<<"$check"
        [ "$actual" = "$expected" ] || fail "$what is '$actual', expected '$expected'"
    done
    # Releases are listed newest first; the newest must be the version being built.
    newest=$(sed -n 's/.*<release [^>]*version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
    [ "$newest" = "$version" ] || fail "newest metainfo release is '$newest', project is $version"
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
echo "OK: $mode"
