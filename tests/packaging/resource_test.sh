#!/usr/bin/env bash
# Compiles the configured Windows resource script with the MinGW resource
# compiler and checks the version information and icon in the compiled resource.
# Usage: resource_test.sh <brisolant.rc> <icon .ico> <major> <minor> <patch>
# Exits 77 (skipped) only when the resource compiler is not installed.
set -euo pipefail

rc_file=$1 ico_file=$2 major=$3 minor=$4 patch=$5

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

windres=$(command -v x86_64-w64-mingw32-windres) || { echo "x86_64-w64-mingw32-windres not installed"; exit 77; }
[ -f "$rc_file" ] || fail "resource script not configured: $rc_file"
[ -f "$ico_file" ] || fail "program icon missing: $ico_file"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The script includes no headers, so any C preprocessor does when the MinGW
# compiler is not installed.
preprocessor=$(command -v x86_64-w64-mingw32-gcc || command -v gcc) ||
    fail "no C preprocessor for windres"
"$windres" --preprocessor="$preprocessor" --preprocessor-arg=-E --preprocessor-arg=-xc \
    --preprocessor-arg=-DRC_INVOKED -i "$rc_file" -O res -o "$work/brisolant.res" ||
    fail "windres could not compile $rc_file"

# Bytes as " xx xx xx ...", so that every match starts on a byte boundary.
hex_bytes() {
    od -An -v -tx1 | tr -s ' \n' '  ' | sed 's/ *$//'
}
utf16() {
    printf '%s' "$1" | hex_bytes | sed 's/ \([0-9a-f][0-9a-f]\)/ \1 00/g'
}
# Little-endian 16-bit value.
le16() {
    printf ' %02x %02x' $(($1 & 0xff)) $(($1 >> 8))
}

res=$(hex_bytes <"$work/brisolant.res")
has() {
    grep -Eq -- "$2" <<<"$res" || fail "$1 not found in the compiled resource"
}

version_text=$(printf '%d.%02d' "$major" "$minor")
# A string entry: the key, its terminating null, padding to 32 bits, the value.
string_entry() {
    has "$1 = '$2'" "$(utf16 "$1") 00 00( 00 00)?$(utf16 "$2") 00 00"
}
string_entry FileVersion "$version_text"
string_entry ProductVersion "$version_text"
string_entry ProductName Brisolant
string_entry InternalName Brisolant
string_entry OriginalFilename Brisolant.exe
for key in CompanyName LegalCopyright FileDescription; do
    # The maker's own texts: any non-empty value.
    has "$key" "$(utf16 "$key") 00 00( 00 00)? [2-7][0-9a-f] 00"
done
has "German Unicode string table" "$(utf16 StringFileInfo).*$(utf16 040704B0) 00 00"
has "translation 0407, 1200" "$(utf16 Translation) 00 00( 00 00)?$(le16 0x0407)$(le16 1200)"

# Fixed file info: signature, structure version 1.0, then file and product
# version as major.minor.0.patch.
version_dwords="$(le16 "$minor")$(le16 "$major")$(le16 "$patch")$(le16 0)"
has "file and product version $major.$minor.0.$patch" \
    " bd 04 ef fe 00 00 01 00$version_dwords$version_dwords"

# The icon: the image of the .ico must be stored unchanged as an icon resource.
ico_u32() {
    od -An -v -tu4 -j "$1" -N 4 "$ico_file" | tr -d ' '
}
image_size=$(ico_u32 14)
image_offset=$(ico_u32 18)
image=$(tail -c +"$((image_offset + 1))" "$ico_file" | head -c "$image_size" | hex_bytes)
[ "${#image}" -eq $((image_size * 3)) ] || fail "cannot read the image of $ico_file"
grep -Fq -- "$image" <<<"$res" || fail "the icon image of $ico_file is not in the resource"
has "icon group IDI_ICON1" "$(utf16 IDI_ICON1) 00 00"

echo "OK: version $major.$minor.0.$patch, strings $version_text, icon from $ico_file"
