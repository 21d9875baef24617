#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program file as Windows reads it: a 64-bit GUI program whose import table names only
# Windows' own libraries (it needs no other DLL), under 3 MiB, carrying its resources: the 36 key
# pictures as bitmaps at 1x and 2x and as PNG files at 3x and 4x, the display font, the icon at 16, 24, 32, 48 and 256 pixels, the version and the
# manifest that declares per-monitor density awareness, the version also in Bengali. Prints the
# imports and the size.
# Usage: check_program.sh PROGRAM.exe OBJDUMP WINDRES
set -euo pipefail
program=$1
objdump=$2
windres=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
# Windows' own DLLs that a program of this kind may use.
system="advapi32 comctl32 comdlg32 gdi32 imm32 kernel32 msvcrt ole32 oleacc oleaut32 shell32
shlwapi user32 uxtheme version winmm"

headers=$("$objdump" -p "$program")
grep -q "^Magic.*20b" <<<"$headers" || fail "$program is no 64-bit program"
grep -q "^Subsystem.*(Windows GUI)" <<<"$headers" || fail "$program is no GUI program"
imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z' | sort -u)
echo "imports: $(echo $imports)"
# Libraries loaded later (delay-loaded or by name) appear only as their names' text.
named=$(strings -n 5 "$program" | grep -ixE '[a-z0-9_]+\.dll' | tr 'A-Z' 'a-z' | sort -u |
    grep -vxF -f <(echo "$imports") || true)
echo "loaded when first used: $(echo $named)"
foreign=""
for dll in $imports $named; do
    grep -qw "${dll%.dll}" <<<"$system" || foreign+=" $dll"
done
[ -z "$foreign" ] || fail "needs DLLs that Windows does not have:$foreign"
size=$(stat -c %s "$program")
echo "size: $size bytes ($(awk -v s="$size" 'BEGIN { printf "%.2f", s / 1048576 }') MiB)"
[ "$size" -lt $((3 * 1024 * 1024)) ] || fail "larger than 3 MiB"

resources=$("$windres" -i "$program" -O rc)
bitmaps=$(grep -c "RT_BITMAP \*/" <<<"$resources" || true)
[ "$bitmaps" -eq 72 ] || fail "$bitmaps key bitmaps, not 72"
# windres writes each RCDATA resource as "ID RCDATA", BEGIN, then its bytes in 32-bit words: a
# PNG file's first word is 0x474e5089 ("\x89PNG").
pngs=$(grep -A2 -E "^[34][0-9]{3} RCDATA" <<<"$resources" | grep -c "^  0x474e5089L" || true)
[ "$pngs" -eq 72 ] || fail "$pngs PNG key pictures, not 72"
grep -q "^10 RCDATA" <<<"$resources" || fail "no display font"
icons=$(sed -n '/RT_GROUP_ICON/,/^END/s/^ *"\\\([0-7]*\)\\\([0-7]*\)\\.*/\1/p' <<<"$resources" |
    while read -r octal; do echo $((8#$octal)); done | tr '\n' ' ')
[ "$icons" = "16 24 32 48 0 " ] || fail "icon sizes: $icons (0 stands for 256)"
grep -q 'VALUE "ProductName", "Varnik Calculator"' <<<"$resources" || fail "no product name"
grep -q 'VALUE "FileVersion", "[0-9.]*"' <<<"$resources" || fail "no file version"
# The description in Bengali for Bangladesh and India, listed where readers look for languages.
for block in 084504B0 044504B0; do
    sed -n "/BLOCK \"$block\"/,/END/p" <<<"$resources" | grep -q 'VALUE "FileDescription", L".*\\x09' ||
        fail "no Bengali description in block $block"
done
grep -q 'VALUE "Translation", 0x409, 1200, 0x845, 1200, 0x445, 1200' <<<"$resources" ||
    fail "the translations are not listed: $(grep Translation <<<"$resources")"
grep -q "PerMonitorV2" <<<"$resources" || fail "the manifest declares no per-monitor awareness"
echo "resources: $bitmaps key bitmaps, $pngs PNG key pictures, display font, icon sizes ${icons% }, version (English and Bengali), manifest"
