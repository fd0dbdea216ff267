#!/usr/bin/env bash
# Installs what is missing, builds (Release and Debug) and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
bash scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

jobs=$(nproc)
# Both build types: the results must be the same bits in each.
for type in Release Debug; do
    dir=build
    [ "$type" = Debug ] && dir=build-debug
    echo "== $type build in $dir/"
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE="$type" -DROCCALC_BUILD_TESTS=ON -DROCCALC_BUILD_BENCH=ON
    cmake --build "$dir" -j"$jobs"
    ctest --test-dir "$dir" -j"$jobs" --output-on-failure
done
echo "All tests passed."
