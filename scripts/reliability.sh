#!/usr/bin/env bash
# The long checks, after ./test.sh: the whole suite built with
# AddressSanitizer and UndefinedBehaviorSanitizer, short fuzz runs, and
# valgrind memcheck on roccalc-cli and on a start and close of the window.
# Usage: scripts/reliability.sh [FUZZ_SECONDS]   (default 30 per target)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
bash scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" valgrind
jobs=$(nproc)

echo "== Sanitizer build in build-asan/"
cmake --preset asan
cmake --build --preset asan -j"$jobs"
ctest --preset asan -j"$jobs"

echo "== Fuzzing"
bash scripts/fuzz.sh "${1:-30}"

echo "== valgrind memcheck"
cmake --preset release
cmake --build --preset release -j"$jobs" --target roccalc-cli window_smoke
memcheck=(valgrind --leak-check=full --errors-for-leak-kinds=definite --error-exitcode=1
          --suppressions=scripts/valgrind-qt.supp)
"${memcheck[@]}" build/cli/roccalc-cli --replay tests/cli/cases/typical.replay > /dev/null
QT_QPA_PLATFORM=offscreen "${memcheck[@]}" build/tests/window/window_smoke
echo "Reliability checks passed."
