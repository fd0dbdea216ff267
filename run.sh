#!/usr/bin/env bash
# Installs what is missing, builds Release into build/ and opens the calculator.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
bash scripts/install-deps.sh "${BUILD_PACKAGES[@]}"

# Without ./test.sh's packages the tests are left out; a build directory
# that has them keeps them.
tests=OFF
if grep -q '^ROCCALC_BUILD_TESTS:BOOL=ON' build/CMakeCache.txt 2>/dev/null; then
    tests=ON
fi
cmake --preset release -DROCCALC_BUILD_TESTS="$tests" -DROCCALC_BUILD_BENCH="$tests"
cmake --build --preset release -j"$(nproc)" --target roccalc
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: built, but there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
    exit 1
fi
exec build/window/roccalc
