#!/usr/bin/env bash
# Builds and runs every test: the normal build, a minute of fuzzing of the saved-game loader, then the test
# suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
BUILD_DIR=build scripts/build.sh -DHOOPVALE_SANITIZE=OFF
ctest --test-dir build --output-on-failure -j "$(nproc)"
# clang's libFuzzer with AddressSanitizer, starting from valid saved games.
BUILD_DIR=build-fuzz TARGETS="load_fuzzer make_seed" scripts/build.sh -DCMAKE_CXX_COMPILER=clang++ -DHOOPVALE_FUZZ=ON -DHOOPVALE_GUI=OFF \
  -DHOOPVALE_TESTS=OFF -DHOOPVALE_BENCH=OFF
rm -rf build-fuzz/corpus && build-fuzz/bin/make_seed build-fuzz/corpus
build-fuzz/bin/load_fuzzer build-fuzz/corpus -max_total_time=60 -rss_limit_mb=2048 -artifact_prefix=build-fuzz/
# -O1 keeps the sanitizers' stack traces readable and runs the played seasons about three times faster than -O0.
BUILD_DIR=build-asan scripts/build.sh -DHOOPVALE_SANITIZE=ON -DHOOPVALE_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-g -O1"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
