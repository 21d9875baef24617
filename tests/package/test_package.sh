#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs into a scratch folder and builds the Debian package, then checks what a desktop
# and a package manager see: the validators, the file list, the control fields, and that
# the packaged program starts. With VARNIK_TEST_SYSTEM_INSTALL=1 (as root) it also installs
# the package with apt-get, starts the installed program and removes the package again.
# Usage: test_package.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
scratch=$(mktemp -d)
app=
cleanup() { [ -n "$app" ] && kill "$app" 2>/dev/null; rm -rf "$scratch"; }
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

app_id=org.example.varnik.Calculator
expected_files="/usr/bin/varnik-calculator
/usr/share/applications/$app_id.desktop
/usr/share/doc/varnik-calculator/OFL.txt
/usr/share/doc/varnik-calculator/copyright
/usr/share/metainfo/$app_id.metainfo.xml"
for size in 16 22 24 32 48 64 128 256 512; do
    expected_files+=$'\n'"/usr/share/icons/hicolor/${size}x${size}/apps/varnik-calculator.png"
done
expected_files=$(sort <<<"$expected_files")

echo "== install into a scratch folder"
DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >/dev/null
installed=$(cd "$scratch/root" && find . -type f | sed 's|^\.||' | sort)
[ "$installed" = "$expected_files" ] || fail "installed files differ:"$'\n'"$(diff <(echo "$expected_files") <(echo "$installed"))"
desktop-file-validate "$scratch/root/usr/share/applications/$app_id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "metainfo"
grep -q '^Icon=varnik-calculator$' "$scratch/root/usr/share/applications/$app_id.desktop"
grep -q '^Categories=Utility;Calculator;$' "$scratch/root/usr/share/applications/$app_id.desktop"

echo "== the listings in Bengali"
desktop="$scratch/root/usr/share/applications/$app_id.desktop"
for key in Name GenericName Comment Keywords; do
    grep -q "^$key\[bn\]=." "$desktop" || fail "the desktop entry has no $key[bn]"
done
grep -qx 'GenericName\[bn\]=ক্যালকুলেটর' "$desktop" || fail "GenericName[bn]: $(grep GenericName "$desktop")"
metainfo="$scratch/root/usr/share/metainfo/$app_id.metainfo.xml"
for element in name summary p li; do
    grep -q "<$element xml:lang=\"bn\">" "$metainfo" || fail "the metainfo has no <$element> in Bengali"
done

echo "== build the Debian package"
(cd "$scratch" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/package" >/dev/null)
arch=$(dpkg --print-architecture)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$scratch/package/varnik-calculator_${version}_${arch}.deb"
[ -f "$deb" ] || fail "no package named $(basename "$deb"): $(ls "$scratch/package")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = varnik-calculator ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = utils ] || fail "Section: $(field Section)"
for dependency in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
    field Depends | tr ',' '\n' | awk '{ print $1 }' | grep -qxF "$dependency" ||
        fail "Depends lacks $dependency: $(field Depends)"
done
packaged=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./|/|' | sort)
[ "$packaged" = "$expected_files" ] || fail "packaged files differ:"$'\n'"$(diff <(echo "$expected_files") <(echo "$packaged"))"

echo "== the packaged program starts"
dpkg -x "$deb" "$scratch/unpacked"
starts() {
    QT_QPA_PLATFORM=offscreen "$1" &
    app=$!
    sleep 1
    kill -0 "$app" 2>/dev/null || fail "$1 did not keep running"
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=
}
starts "$scratch/unpacked/usr/bin/varnik-calculator"

if [ "${VARNIK_TEST_SYSTEM_INSTALL:-0}" = 1 ]; then
    echo "== apt-get install the package"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
    starts /usr/bin/varnik-calculator
    DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq varnik-calculator >/dev/null
fi
echo "package checks passed: $(basename "$deb")"
