#!/usr/bin/env bash
# Installs the Debian 12 packages Brisolant needs to build, test, benchmark and
# package, if any is missing. The one list of system packages.
set -euo pipefail

packages=(
    # build
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libminizip-dev libexpat1-dev libtomlplusplus-dev
    # translations: lupdate, lrelease and their CMake functions; Qt's own texts
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    # tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth x11-utils xdotool fonts-dejavu-core libxcb1-dev
    clang libclang-rt-14-dev clang-tidy clang-format lld
    binutils-mingw-w64-x86-64 poppler-utils hyperfine
    # the chart window under a window manager, opened from the desktop, printing
    openbox xdg-utils libfile-mimeinfo-perl shared-mime-info cups-daemon cups-client
    # install and package checks
    desktop-file-utils appstream dpkg-dev file lintian man-db
)

# One query for the whole list: a package it does not know is reported on
# standard error and, like one not installed, is missing.
declare -A installed=()
while read -r package; do
    installed[$package]=1
done < <(dpkg-query -W -f='${Status} ${Package}\n' "${packages[@]}" 2>/dev/null |
    sed -n 's/^install ok installed //p')
missing=()
for package in "${packages[@]}"; do
    if [ -z "${installed[$package]:-}" ]; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
