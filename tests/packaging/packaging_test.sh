#!/usr/bin/env bash
# Checks of what ships: desktop entry and metainfo, the Windows version
# resource, the Debian package of the build tree (built into a temporary
# directory; nothing is installed), and the desktop's view of an install into a
# temporary prefix. Exits 77 (skipped) when a tool is missing.
# Usage: packaging_test.sh metadata|resource|package|desktop <source dir> <build dir> <app id>
#        <version> <1 when the build is hardened, else 0>
set -euo pipefail
mode=$1 source=$2 build=$3 app_id=$4 version=$5 hardened=$6
IFS=. read -r major minor patch <<<"$version"
desktop=$source/packaging/$app_id.desktop metainfo=$source/packaging/$app_id.metainfo.xml
fail() { echo "FAIL: $*" >&2; exit 1; }
need() { for tool; do command -v "$tool" >/dev/null || { echo "$tool not installed"; exit 77; }; done; }
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT

case $mode in
metadata)
    need desktop-file-validate appstreamcli
    # The validator exits 0 on hints too; anything it prints is a finding.
    findings=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$findings" ] || fail "$findings"
    appstreamcli validate --no-net --no-color "$metainfo" || fail "appstreamcli validate"
    entry() { sed -n "/^\[Desktop Entry\]/,/^\[/s/^$1=//p" "$desktop"; }
    xml() { sed -n "s|.*<$1\( [^>]*\)\{0,1\}>\([^<]*\)</$1>.*|\2|p" "$metainfo" | head -n 1; }
    release=$(sed -n 's/.*<release [^>]*version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
    for check in "Icon|$(entry Icon)|$app_id" "Exec|$(entry Exec)|Brisolant %F" \
        "Name|$(entry Name)|$(xml name)" "id|$(xml id)|$app_id" "binary|$(xml binary)|Brisolant" \
        "launchable|$(xml launchable)|$app_id.desktop" "newest release|$release|$version"; do
        IFS='|' read -r what actual expected <<<"$check"
        [ "$actual" = "$expected" ] || fail "$what is '$actual', expected '$expected'"
    done ;;
resource)
    need x86_64-w64-mingw32-windres gcc
    # Compiled, then decompiled to text: the values as Windows will read them.
    windres() { x86_64-w64-mingw32-windres --preprocessor=gcc --preprocessor-arg=-E \
        --preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED "$@"; }
    windres -i "$build/generated/brisolant.rc" -O res -o "$work/b.res" || fail "windres"
    windres -i "$work/b.res" -O rc >"$work/b.rc"
    text=$(printf '%d.%02d' "$major" "$minor")
    for line in "FILEVERSION $major, $minor, 0, $patch" "PRODUCTVERSION $major, $minor, 0, $patch" \
        'BLOCK "040704B0"' 'VALUE "Translation", 0x407, 1200' "VALUE \"FileVersion\", \"$text\"" \
        "VALUE \"ProductVersion\", \"$text\"" 'VALUE "ProductName", "Brisolant"' \
        'VALUE "InternalName", "Brisolant"' 'VALUE "OriginalFilename", "Brisolant.exe"' \
        '"IDI_ICON1" 14'; do
        grep -qF -- "$line" "$work/b.rc" || fail "resource lacks: $line"
    done
    # The icon, against one compiled from the program's .ico alone.
    echo "IDI_ICON1 ICON \"$source/ui/pictures/brisolant.ico\"" >"$work/icon.rc"
    windres -i "$work/icon.rc" -O res -o "$work/icon.res"
    icon() { windres -i "$1" -O rc | sed -n '/RT_ICON \*\//,/^END/p'; }
    [ -n "$(icon "$work/icon.res")" ] && [ "$(icon "$work/icon.res")" = "$(icon "$work/b.res")" ] ||
        fail "the icon in the resource is not ui/pictures/brisolant.ico" ;;
package)
    need cpack dpkg-deb dpkg-shlibdeps lintian readelf file man
    cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
        { cat "$work/cpack.log" >&2; fail "cpack"; }
    deb=$(echo "$work"/out/*.deb)
    [ -f "$deb" ] || fail "expected one .deb: $deb"
    [ "$(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Version)" = "brisolant $version" ] ||
        fail "package is $(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Version)"
    # Dependencies come from the program's shared libraries.
    for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6; do grep -Eq "(^|, )$library( |,|$)" \
        <<<"$(dpkg-deb -f "$deb" Depends)" || fail "Depends lacks $library"; done
    # Errors and warnings fail, and in a hardened build the hardening tags shown as information.
    lintian --display-info "$deb" 2>/dev/null >"$work/lintian.log" || true
    ! grep -E "^[EW]: $([ "$hardened" = 1 ] && echo '|hardening-')" "$work/lintian.log" || fail lintian
    root=$work/root share=$work/root/usr/share
    dpkg-deb -x "$deb" "$root"
    for pair in "applications/$app_id.desktop|$desktop" "metainfo/$app_id.metainfo.xml|$metainfo" \
        "icons/hicolor/64x64/apps/$app_id.png|$source/ui/pictures/brisolant-64.png" \
        "icons/hicolor/scalable/apps/$app_id.svg|$source/ui/pictures/brisolant.svg" \
        "doc/brisolant/changelog.gz|" "man/man1/Brisolant.1.gz|" "doc/brisolant/copyright|" \
        "brisolant/translations/brisolant_de.qm|"; do
        IFS='|' read -r packaged original <<<"$pair"
        [ -f "$share/$packaged" ] || fail "package lacks /usr/share/$packaged"
        [ -z "$original" ] || cmp -s "$share/$packaged" "$original" || fail "$packaged differs"
    done
    for size in 32 64; do file "$share/icons/hicolor/${size}x$size/apps/$app_id.png" |
        grep -q "PNG image data, $size x $size" || fail "${size}x$size icon"; done
    program=$root/usr/bin/Brisolant
    ! readelf -d "$program" | grep -E 'R(UN)?PATH' || fail "the program keeps a run path"
    [ "$(env -i "$program" --version)" = "Brisolant $version" ] || fail "--version"
    # The program finds its translations beside it, as installed, and nowhere else.
    # Read whole before grep, which stops at the first match and would close the pipe early.
    grep -q '^Aufruf: Brisolant' <<<"$(env -i LANG=de_DE.UTF-8 "$program" --help)" || fail "German --help"
    cp "$program" "$work/Brisolant" && cd "$share/brisolant/translations"
    grep -q '^Usage: ' <<<"$(env -i LANG=de_DE.UTF-8 "$work/Brisolant" --help)" ||
        fail "a stray translation"
    # The manual page is of this version and names every option of --help.
    page=$(MANWIDTH=200 man -l "$share/man/man1/Brisolant.1.gz" 2>/dev/null)
    grep -qF "Brisolant $version" <<<"$page" || fail "manual page is not of $version"
    for option in $(env -i "$program" --help | grep -oE -- '--[a-z-]+' | sort -u); do
        grep -qF -- "$option" <<<"$page" || fail "manual page lacks $option"
    done
    # The window runs until closed, in German with its translation mapped.
    env -i QT_QPA_PLATFORM=offscreen LANG=de_DE.UTF-8 "$program" >"$work/run.log" 2>&1 &
    sleep 3
    grep -q /brisolant_de.qm "/proc/$!/maps" || fail "the window has no translation"
    kill $! || { cat "$work/run.log" >&2; fail "the program ended"; } ;;
desktop)
    need update-mime-database update-desktop-database xdg-mime xdg-open mimetype xdotool openbox
    root=$work/root && cmake --install "$build" --prefix "$root" >/dev/null
    update-mime-database "$root/share/mime" && update-desktop-database "$root/share/applications"
    # This install alone, as a session would see it, with no one's own defaults.
    export XDG_DATA_DIRS=$root/share:/usr/share XDG_DATA_HOME=$work/data HOME=$work \
        XDG_CONFIG_HOME=$work/config XDG_CONFIG_DIRS=$work/config PATH=$root/bin:$PATH
    cp "$source/docs/example-rig.mvr" "$work/rig.mvr" && cp "$work/rig.mvr" "$work/show"
    printf 'Name\tDMX\nA\t1\n' >"$work/patch.tsv"
    [ "$(xdg-mime query filetype "$work/rig.mvr") $(xdg-mime query filetype "$work/show") $(xdg-mime \
        query filetype "$work/patch.tsv")" = "application/x-mvr application/x-mvr text/tab-separated-values" ] ||
        fail "the types by name and by content"
    [ "$(xdg-mime query default application/x-mvr)" = "$app_id.desktop" ] || fail "default for MVR"
    # xdg-open starts the chart window and no main window, and ends when Ctrl+W closes it.
    cat >"$work/open.sh" <<EOF
xdg-open "$work/rig.mvr" & opener=\$! && sleep 0.1
window=\$(timeout 20 xdotool search --sync --onlyvisible --name '^rig.mvr – switch chart' | head -n 1)
! xdotool search --onlyvisible --name '^Brisolant\$' && xdotool windowactivate --sync \$window key ctrl+w &&
    timeout 10 tail --pid=\$opener -f /dev/null
EOF
    xvfb-run -a -s "-screen 0 1280x1024x24" sh -c 'openbox >/dev/null 2>&1 & sleep 0.5; exec bash "$0"' \
        "$work/open.sh" || fail "xdg-open rig.mvr" ;;
*) fail "unknown mode $mode" ;;
esac
echo "OK: $mode"
