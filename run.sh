#!/usr/bin/env bash
# Installs what is missing, builds Release into build/ and opens the calculator.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
bash scripts/install-deps.sh "${BUILD_PACKAGES[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DROCCALC_BUILD_TESTS=OFF -DROCCALC_BUILD_BENCH=OFF -DROCCALC_BUILD_WINDOW=ON
cmake --build build -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: built, but there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
    exit 1
fi
exec build/window/roccalc
