#!/usr/bin/env bash
# Installs what is missing, builds (Release and Debug) and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
bash scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

jobs=$(nproc)
# Both build types: the results must be the same bits in each.
for preset in release debug; do
    echo "== $preset build (CMakePresets.json)"
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j"$jobs"
    ctest --preset "$preset" -j"$jobs"
done
echo "All tests passed."
