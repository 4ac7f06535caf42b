#!/usr/bin/env bash
# Builds the logic tests with ThreadSanitizer into build-tsan/ (no user interface, no
# benchmarks) and runs them; any data race fails the run.
#
# Usage: scripts/tsan.sh [TEST_TARGET...]   (default: every logic test)
# e.g. scripts/tsan.sh search_tests app_tests
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-tsan

scripts/setup.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLIX_GUI=OFF \
  -DVORLIX_BENCH=OFF -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" >/dev/null
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ${TSAN_OPTIONS:-}"
# ThreadSanitizer needs the usual address layout; newer kernels randomise mappings more than
# it allows, which setarch -R turns off for the tests.
run=()
if setarch "$(uname -m)" -R true 2>/dev/null; then
  run=(setarch "$(uname -m)" -R)
fi

if [ $# -eq 0 ]; then
  cmake --build "$build"
  "${run[@]}" ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
  exit
fi
cmake --build "$build" --target "$@"
for target in "$@"; do
  test="$(find "$build/tests" -type f -name "$target" -perm -u+x | head -n 1)"
  echo "== $target"
  "${run[@]}" "$test"
done
