#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program needs no DLL beyond those every Windows installation has: its import table names
# only Windows' own libraries. Prints the imports and the program's size.
# Usage: check_imports.sh PROGRAM.exe OBJDUMP
set -euo pipefail
program=$1
objdump=$2
# Windows' own DLLs that a program of this kind may use.
system="advapi32 comctl32 comdlg32 gdi32 imm32 kernel32 msvcrt ole32 oleacc oleaut32 shell32
shlwapi user32 uxtheme version winmm"

headers=$("$objdump" -p "$program")
grep -q "^Magic.*20b" <<<"$headers" || { echo "FAIL: $program is no 64-bit program" >&2; exit 1; }
grep -q "^Subsystem.*(Windows GUI)" <<<"$headers" || { echo "FAIL: $program is no GUI program" >&2; exit 1; }
imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z' | sort -u)
echo "imports: $(echo $imports)"
foreign=""
for dll in $imports; do
    grep -qw "${dll%.dll}" <<<"$system" || foreign+=" $dll"
done
[ -z "$foreign" ] || { echo "FAIL: needs DLLs that Windows does not have:$foreign" >&2; exit 1; }
size=$(stat -c %s "$program")
echo "size: $size bytes ($(awk -v s="$size" 'BEGIN { printf "%.2f", s / 1048576 }') MiB)"
[ "$size" -lt $((3 * 1024 * 1024)) ] || { echo "FAIL: larger than 3 MiB" >&2; exit 1; }
