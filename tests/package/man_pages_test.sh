#!/usr/bin/env bash
# Every option that roccalc-cli --help lists is in its manual page, and groff
# reads both pages without a warning.
# Usage: man_pages_test.sh ROCCALC_CLI DATA_DIR
set -euo pipefail
cli=$1
data=$2
status=0
for option in $("$cli" --help | grep -oE -- '(^|[ ,])--[a-z][a-z-]*' | tr -d ' ,' | sort -u); do
    roff=${option//-/\\-}
    if ! grep -qF -- "$roff" "$data/roccalc-cli.1"; then
        echo "roccalc-cli.1 does not name $option" >&2
        status=1
    fi
done
for page in roccalc.1 roccalc-cli.1; do
    warnings=$(groff -man -ww -z "$data/$page" 2>&1)
    if [ -n "$warnings" ]; then
        echo "$page: $warnings" >&2
        status=1
    fi
done
exit $status
