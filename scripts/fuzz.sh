#!/usr/bin/env bash
# Builds the fuzz targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into fuzz-build/ and runs each for SECONDS
# (default 30) from the seed corpora; a finding fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
bash scripts/install-deps.sh clang libclang-rt-14-dev llvm locales cmake make libboost-dev

# A comma locale, so that a dependence of the reading on it shows.
if ! locale -a 2>/dev/null | grep -qi '^it_IT.utf8$'; then
    localedef -i it_IT -f UTF-8 it_IT.UTF-8 || echo "fuzz.sh: no it_IT locale; the reading runs under C"
fi

cmake --preset fuzz
cmake --build --preset fuzz -j"$(nproc)"

for target in read_number format_pattern csv_reader replay_line; do
    work=$(mktemp -d)
    cp fuzz/corpus/"$target"/* "$work"/
    log="fuzz-build/${target}_fuzz.log"
    echo "== ${target}_fuzz for ${seconds} s"
    status=0
    (cd fuzz-build && ./fuzz/"${target}_fuzz" -max_total_time="$seconds" -max_len=4096 \
        -print_final_stats=1 -artifact_prefix="${target}-" "$work") > "$log" 2>&1 || status=$?
    grep -E 'locale|Done [0-9]+ runs|stat::number_of_executed_units' "$log" || true
    rm -rf "$work"
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$log" >&2
        echo "fuzz.sh: ${target}_fuzz found a fault (exit status $status); the input is in fuzz-build/" >&2
        exit 1
    fi
done
