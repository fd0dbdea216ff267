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
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS="$sanitize" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DROCCALC_BUILD_TESTS=ON -DROCCALC_BUILD_BENCH=OFF
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan -j"$jobs" --output-on-failure

echo "== Fuzzing"
bash scripts/fuzz.sh "${1:-30}"

echo "== valgrind memcheck"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DROCCALC_BUILD_TESTS=ON -DROCCALC_BUILD_BENCH=ON
cmake --build build -j"$jobs" --target roccalc-cli window_smoke
memcheck=(valgrind --leak-check=full --errors-for-leak-kinds=definite --error-exitcode=1
          --suppressions=scripts/valgrind-qt.supp)
"${memcheck[@]}" build/cli/roccalc-cli --replay tests/cli/cases/typical.replay > /dev/null
QT_QPA_PLATFORM=offscreen "${memcheck[@]}" build/tests/window/window_smoke
echo "Reliability checks passed."
