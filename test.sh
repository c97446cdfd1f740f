#!/usr/bin/env bash
# Installs what is missing, builds Pelomar and runs the whole test suite
# headless: the unit tests on Qt's offscreen platform, the end-to-end checks
# on a private Xvfb server, then the unit tests again under AddressSanitizer
# and UndefinedBehaviorSanitizer, then the Windows build and its tests under
# Wine.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh --test
jobs=$(nproc)

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELOMAR_WERROR=ON
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs"

# The unit tests again, built with AddressSanitizer (leak checking on) and
# UndefinedBehaviorSanitizer.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPELOMAR_SANITIZE=ON -DPELOMAR_WERROR=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs" -L unit

# The Windows program, cross-built, and its tests under Wine.
scripts/build-windows.sh build-test
