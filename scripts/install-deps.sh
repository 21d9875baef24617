#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages a task needs, only those that are missing; for "web" also the
# browser tests' npm packages (tests/web), for "web-bench" Lighthouse (bench/web/lighthouse),
# each pinned by its folder's package-lock.json.
# Usage: scripts/install-deps.sh build|test|fuzz|bench|windows|site|web|web-bench|screenreader [...]
set -euo pipefail

packages_for() {
    case "$1" in
    # libwayland-dev: the headers (the program loads libwayland-client when it runs) and the
    # server library of the tests' small compositors. fmt and fast_float: the engine's number
    # texts, header-only, on every runtime. gettext compiles the catalogues (po/) and appstream
    # brings its rules for the metainfo.
    build) echo cmake ninja-build g++ qt6-base-dev dpkg-dev libwayland-dev libfmt-dev libfast-float-dev \
        gettext appstream python3 ;;
    test) echo clang-format xvfb xauth xdotool x11-utils imagemagick dbus at-spi2-core gir1.2-atspi-2.0 libxtst-dev \
        python3 python3-gi desktop-file-utils appstream libgtest-dev xclip \
        weston xwayland qt6-wayland ;;
    # libFuzzer and clang's sanitizer runtimes; g++ brings its own for the sanitizer build.
    fuzz) echo clang libclang-rt-14-dev ;;
    bench) echo libbenchmark-dev libx11-dev libxdamage-dev xvfb ;;
    # The Windows program: cross-compiler, the number text headers, the catalogues' compiler,
    # installer maker, Wine (with the X libraries and fonts its display driver loads), and the
    # tools of its tests under Xvfb.
    windows) echo cmake ninja-build g++-mingw-w64-x86-64-posix libfmt-dev libfast-float-dev gettext nsis \
        wine64 libxrender1 libxrandr2 libxi6 libxcursor1 libxcomposite1 libxfixes3 libxinerama1 \
        fonts-wine fonts-liberation xvfb xdotool imagemagick python3 ;;
    # The web site: emscripten (its compiler runs on node, as does the site's server) and the
    # catalogues' compiler.
    site) echo cmake ninja-build libfmt-dev libfast-float-dev gettext python3 emscripten nodejs ;;
    # The web build and its tests: the site's tools, the browser, and npm unless node brought
    # its own.
    web) echo "$(packages_for site)" chromium "$(command -v npm >/dev/null || echo npm)" ;;
    web-bench) packages_for web ;;
    # The screen-reader tests: Orca and its voice pipeline (speech-dispatcher with espeak-ng,
    # sound into ALSA's null device), a window manager for the windows Orca follows, and the
    # locale data to build a Bengali locale from.
    screenreader) echo orca speech-dispatcher espeak-ng speech-dispatcher-espeak-ng \
        openbox locales xvfb xdotool dbus at-spi2-core chromium ;;
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
install_packages() {
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
        sudo=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    # Another install may hold the package lock for a while (a second build on the machine).
    local lock=(-o DPkg::Lock::Timeout=600)
    "${sudo[@]}" apt-get "${lock[@]}" update -qq
    "${sudo[@]}" apt-get "${lock[@]}" install -y -qq --no-install-recommends "${missing[@]}"
}
[ ${#missing[@]} -eq 0 ] || install_packages

# The browser tests' client and Lighthouse drive the system's Chromium: no browser download.
for group in "$@"; do
    case "$group" in
    web) folder=tests/web ;;
    web-bench) folder=bench/web/lighthouse ;;
    *) continue ;;
    esac
    folder=$(dirname "$0")/../$folder
    if [ ! -d "$folder/node_modules" ] || [ "$folder/package-lock.json" -nt "$folder/node_modules" ]; then
        echo "Installing the npm packages of ${folder#*/../}"
        (cd "$folder" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
    fi
done
