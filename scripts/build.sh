#!/usr/bin/env bash
# Installs what the project needs and builds it into build/ (or the folder given).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
shift || true
scripts/setup.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build"
