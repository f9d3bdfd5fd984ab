#!/usr/bin/env bash
# Builds and runs every test: the normal build, then the test suite under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
BUILD_DIR=build scripts/build.sh -DHOOPVALE_SANITIZE=OFF
ctest --test-dir build --output-on-failure -j "$(nproc)"
BUILD_DIR=build-asan scripts/build.sh -DHOOPVALE_SANITIZE=ON -DHOOPVALE_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
