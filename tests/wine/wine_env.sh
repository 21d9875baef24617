# SPDX-License-Identifier: MIT
# Sourced by the Wine test scripts: a private Wine prefix in "$work" (which the caller makes
# and removes), the wine64 loader in $wine and the server in $wineserver, wherever Debian put
# them (/usr/lib/wine is on no PATH).
first_executable() {
    local candidate
    for candidate in "$@"; do
        [ -n "$candidate" ] && [ -x "$candidate" ] && { echo "$candidate"; return 0; }
    done
    echo "Wine is not installed (scripts/install-deps.sh windows)" >&2
    return 1
}
wine=$(first_executable "$(command -v wine64 || true)" /usr/lib/wine/wine64 "$(command -v wine || true)")
wineserver=$(first_executable "$(command -v wineserver || true)" /usr/lib/wine/wineserver64 \
    /usr/lib/wine/wineserver)
mkdir -p "$work/home"
# HOME beside the prefix: the prefix links the user's folders to it.
export WINEPREFIX="$work/prefix" HOME="$work/home" WINEDEBUG=-all
# Never offer to install Mono or Gecko: that dialog would wait for a click.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
end_wine() { "$wineserver" -k 2>/dev/null || true; }
