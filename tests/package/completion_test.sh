#!/usr/bin/env bash
# The completion script, sourced in bash: option names, file names after
# --batch, nothing after an option that takes a number.
# Usage: completion_test.sh COMPLETION_SCRIPT
set -euo pipefail
source "$1"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
touch "$folder/rows.csv" "$folder/session.replay"
cd "$folder"

complete_words() {
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _roccalc_cli
    printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' '
}

expect() {
    local got=$1 wanted=$2 what=$3
    if [ "$got" != "$wanted" ]; then
        echo "$what: got '$got', wanted '$wanted'" >&2
        exit 1
    fi
}

expect "$(complete_words roccalc-cli --re)" "--replay " "--re"
expect "$(complete_words roccalc-cli --batch "")" "rows.csv session.replay " "--batch "
expect "$(complete_words roccalc-cli --pfa "")" " " "--pfa "
expect "$(complete_words roccalc-cli --plot "")" " " "--plot without a picture"
touch chart.svg
expect "$(complete_words roccalc-cli --plot "")" "chart.svg " "--plot"
echo "completions as expected"
