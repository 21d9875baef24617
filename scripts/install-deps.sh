#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages a task needs, only those that are missing.
# Usage: scripts/install-deps.sh build|test|fuzz|bench|windows [...]
set -euo pipefail

packages_for() {
    case "$1" in
    # gettext compiles the catalogues (po/) and appstream brings its rules for the metainfo.
    build) echo cmake ninja-build g++ qt6-base-dev dpkg-dev gettext appstream python3 ;;
    test) echo xvfb xauth xdotool x11-utils imagemagick dbus at-spi2-core gir1.2-atspi-2.0 libxtst-dev \
        python3 python3-gi desktop-file-utils appstream libgtest-dev xclip ;;
    # libFuzzer and clang's sanitizer runtimes; g++ brings its own for the sanitizer build.
    fuzz) echo clang libclang-rt-14-dev ;;
    bench) echo libbenchmark-dev libx11-dev libxdamage-dev xvfb ;;
    # The Windows program: cross-compiler, installer maker, Wine (with the X libraries and fonts
    # its display driver loads), and the tools of its tests under Xvfb.
    windows) echo cmake ninja-build gettext g++-mingw-w64-x86-64-posix nsis wine64 libxrender1 libxrandr2 \
        libxi6 libxcursor1 libxcomposite1 libxfixes3 libxinerama1 fonts-wine fonts-liberation \
        xvfb xdotool imagemagick python3 ;;
    *) echo "unknown package group: $1" >&2; exit 2 ;;
    esac
}

wanted=()
for group in "$@"; do
    read -r -a list <<<"$(packages_for "$group")"
    wanted+=("${list[@]}")
done

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
# Another install may hold the package lock for a while (a second build on the machine).
lock=(-o DPkg::Lock::Timeout=600)
"${sudo[@]}" apt-get "${lock[@]}" update -qq
"${sudo[@]}" apt-get "${lock[@]}" install -y -qq --no-install-recommends "${missing[@]}"
