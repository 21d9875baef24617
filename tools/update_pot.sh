#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Writes po/varnik-calculator.pot from the texts marked in the C++ sources of window/, qt/,
# win32/ and web/ (N_ and NC_) and from the desktop entry and the metainfo (gettext's own
# rules for them). With --check it writes nothing and fails if the committed template differs
# from a fresh one in anything but its creation date.
# Usage: update_pot.sh VERSION [--check]
set -euo pipefail
version=$1
mode=${2:-update}
root=$(cd "$(dirname "$0")/.." && pwd)
pot=po/varnik-calculator.pot
cd "$root"

folders=()
for folder in window qt win32 web; do
    [ -d "$folder" ] && folders+=("$folder")
done
mapfile -t sources < <(find "${folders[@]}" -name '*.cpp' -o -name '*.h' | LC_ALL=C sort)
listings=(packaging/org.example.varnik.Calculator.desktop
    packaging/org.example.varnik.Calculator.metainfo.xml.in)

fresh=$(mktemp)
trap 'rm -f "$fresh"' EXIT
xgettext --from-code=UTF-8 --keyword=N_ --keyword=NC_:1c,2 --add-comments=TRANSLATORS: \
    --add-location=file --package-name="Varnik Calculator" --package-version="$version" \
    --copyright-holder="The Varnik Calculator developers" \
    --msgid-bugs-address="calculator@varnik.example.org" \
    -o "$fresh" "${sources[@]}" "${listings[@]}"
sed -i '1s/.*/# The texts of Varnik Calculator, to translate./' "$fresh"

without_date() { grep -v '^"POT-Creation-Date: ' "$1"; }
if [ "$mode" = --check ]; then
    if ! diff -u <(without_date "$pot") <(without_date "$fresh"); then
        echo "FAIL: $pot is stale; run: cmake --build <build dir> --target update-pot" >&2
        exit 1
    fi
    echo "$pot is current"
else
    if [ -f "$pot" ] && diff -q <(without_date "$pot") <(without_date "$fresh") >/dev/null; then
        echo "$pot is current"
    else
        cp "$fresh" "$pot"
        echo "wrote $pot"
    fi
fi
