#!/usr/bin/env bash
# Builds and runs every test: the normal build, a short run of each fuzz target, and the
# build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"

scripts/build.sh build
ctest --test-dir build --output-on-failure -j"$jobs"

scripts/fuzz.sh "${VORLIX_FUZZ_SECONDS:-15}"

scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DVORLIX_SANITIZE=ON -DVORLIX_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"
