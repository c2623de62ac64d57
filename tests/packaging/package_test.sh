#!/usr/bin/env bash
# Builds the Debian package of the current build tree into a temporary
# directory, unpacks it and checks its contents, its dependencies and that the
# packaged program starts. Nothing is installed into the system.
# Usage: package_test.sh <build dir> <source dir> <app id>
# Exits 77 (skipped) only when the Debian packaging tools are not installed.
set -euo pipefail

build=$1 source=$2 app_id=$3

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "$tool not installed"; exit 77; }
done
[ -f "$build/CPackConfig.cmake" ] || fail "no CPackConfig.cmake in $build"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
shopt -s nullglob
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one .deb, found ${#debs[@]}"
deb=${debs[0]}
echo "package: $(basename "$deb")"

# Control fields.
field() {
    dpkg-deb -f "$deb" "$1"
}
[ "$(field Package)" = brisolant ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', project is $version"
[[ "$(field Maintainer)" == *"<"*@*">" ]] || fail "Maintainer '$(field Maintainer)' has no address"
[ -n "$(field Section)" ] || fail "no Section"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
echo "Depends: $depends"
# Dependencies come from the program's real libraries, so Qt's must be there.
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
    grep -Eq "(^|, )$library( |,|$)" <<<"$depends" || fail "Depends lacks $library"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"

share="$root/usr/share"
icons="$share/icons/hicolor"
for file in \
    usr/bin/Brisolant \
    "usr/share/applications/$app_id.desktop" \
    "usr/share/metainfo/$app_id.metainfo.xml" \
    "usr/share/icons/hicolor/32x32/apps/$app_id.png" \
    "usr/share/icons/hicolor/64x64/apps/$app_id.png" \
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg"; do
    [ -f "$root/$file" ] || fail "package lacks /$file"
done
[ -x "$root/usr/bin/Brisolant" ] || fail "/usr/bin/Brisolant is not executable"
cmp -s "$share/applications/$app_id.desktop" "$source/packaging/$app_id.desktop" ||
    fail "packaged desktop entry differs from the source"
cmp -s "$share/metainfo/$app_id.metainfo.xml" "$source/packaging/$app_id.metainfo.xml" ||
    fail "packaged metainfo differs from the source"
cmp -s "$icons/64x64/apps/$app_id.png" "$source/ui/pictures/brisolant-64.png" ||
    fail "packaged 64x64 icon differs from ui/pictures/brisolant-64.png"
cmp -s "$icons/scalable/apps/$app_id.svg" "$source/ui/pictures/brisolant.svg" ||
    fail "packaged scalable icon differs from ui/pictures/brisolant.svg"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$share/applications/$app_id.desktop")
[ -x "$root/usr/bin/$exec_name" ] || fail "desktop entry runs '$exec_name', not in /usr/bin"

# A PNG of the given size: signature, then IHDR with big-endian width and height.
png_size() {
    local signature
    signature=$(od -An -v -tx1 -N 8 "$1" | tr -d ' \n')
    [ "$signature" = 89504e470d0a1a0a ] || { echo "not a PNG"; return; }
    od -An -v -tu1 -j 16 -N 8 "$1" |
        awk '{ printf "%dx%d", (($1*256+$2)*256+$3)*256+$4, (($5*256+$6)*256+$7)*256+$8 }'
}
for size in 32 64; do
    actual=$(png_size "$icons/${size}x${size}/apps/$app_id.png")
    [ "$actual" = "${size}x${size}" ] || fail "${size}x${size} icon is $actual"
done
grep -q '<svg' "$icons/scalable/apps/$app_id.svg" || fail "scalable icon is not SVG"

# The packaged program must use the system's libraries, not the build tree.
if command -v readelf >/dev/null; then
    ! readelf -d "$root/usr/bin/Brisolant" | grep -E 'R(UN)?PATH' | grep -Fq "$build" ||
        fail "packaged program keeps a run path into the build tree"
fi

# It takes no command line and runs until closed: it must still be running
# after three seconds (timeout reports 124); an earlier end means it failed.
set +e
timeout -s TERM 3 env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
    "$root/usr/bin/Brisolant" >"$work/run.log" 2>&1
status=$?
set -e
if [ $status -ne 124 ]; then
    cat "$work/run.log" >&2
    fail "packaged program ended by itself with status $status"
fi
grep -Eq 'runtime error|Sanitizer|QFATAL|Segmentation' "$work/run.log" &&
    { cat "$work/run.log" >&2; fail "packaged program reported an error"; }

echo "OK: $(basename "$deb")"
