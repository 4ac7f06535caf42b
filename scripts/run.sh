#!/usr/bin/env bash
# Builds the program and starts the desktop program, with any catalogue given as argument.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh build
exec build/src/gui/vorlix "$@"
