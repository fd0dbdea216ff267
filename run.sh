#!/usr/bin/env bash
# Installs what is missing, builds Release into build/ and opens the calculator.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
bash scripts/install-deps.sh "${BUILD_PACKAGES[@]}"

# A first configure leaves out the tests (their packages come with
# ./test.sh); a build directory that has them keeps them.
options=(-DCMAKE_BUILD_TYPE=Release -DROCCALC_BUILD_WINDOW=ON)
if [ ! -f build/CMakeCache.txt ]; then
    options+=(-DROCCALC_BUILD_TESTS=OFF -DROCCALC_BUILD_BENCH=OFF)
fi
cmake -S . -B build "${options[@]}"
cmake --build build -j"$(nproc)" --target roccalc
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: built, but there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
    exit 1
fi
exec build/window/roccalc
