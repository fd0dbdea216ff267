#!/usr/bin/env bash
# Installs what is missing, builds Release into build/ and opens the calculator.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
bash scripts/install-deps.sh "${BUILD_PACKAGES[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DROCCALC_BUILD_TESTS=OFF -DROCCALC_BUILD_BENCH=OFF
cmake --build build -j"$(nproc)"
if [ ! -x build/window/roccalc ]; then
    echo "run.sh: the calculator's window is not built yet; the core built and its tests run with ./test.sh." >&2
    exit 1
fi
exec build/window/roccalc "$@"
