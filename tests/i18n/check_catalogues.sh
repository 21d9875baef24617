#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every catalogue passes msgfmt's checks (format directives, header); the Bengali one
# translates every text of the template, none of them fuzzy.
# Usage: check_catalogues.sh PO_DIR
set -euo pipefail
po_dir=$1
complete=(bn)
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

for po in "$po_dir"/*.po; do
    if statistics=$(msgfmt --check --statistics -o /dev/null "$po" 2>&1); then
        echo "$(basename "$po"): $statistics"
    else
        fail "$po: $statistics"
    fi
done
for language in "${complete[@]}"; do
    po=$po_dir/$language.po
    statistics=$(msgfmt --statistics -o /dev/null "$po" 2>&1)
    if grep -qE 'untranslated|fuzzy' <<<"$statistics"; then
        fail "$language.po is not complete: $statistics"
    fi
    # msgcmp names every text of the template that the catalogue lacks or has only as fuzzy.
    msgcmp "$po" "$po_dir/varnik-calculator.pot" ||
        fail "$language.po lacks texts of the template (cmake --build <build dir> --target update-po)"
done
exit $status
