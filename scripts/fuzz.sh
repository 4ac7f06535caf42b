#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a while (default 20 seconds).
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DVORLIX_FUZZ=ON >/dev/null
cmake --build build-fuzz --target archive_fuzz xml_navigator_fuzz

mkdir -p build-fuzz/corpus/archive build-fuzz/corpus/xml_navigator
cp data/Demo.vrd build-fuzz/corpus/archive/
printf '<info>\r\n<mtoc>1 2</mtoc>\r\n<cddb>no</cddb>\r\n<notes/>\r\n</info>\r\n' \
  > build-fuzz/corpus/xml_navigator/scanned
printf '<info><price date="May 02, 2004"><new>$1</new><used/></price><ASIN>B0</ASIN></info>' \
  > build-fuzz/corpus/xml_navigator/price

for target in archive xml_navigator; do
  echo "fuzzing ${target} for ${seconds}s"
  log="build-fuzz/${target}.log"
  if ! "build-fuzz/fuzz/${target}_fuzz" -max_total_time="${seconds}" -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="build-fuzz/${target}-" \
      "build-fuzz/corpus/${target}" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzzing ${target} failed; the input is in build-fuzz/${target}-*"
    exit 1
  fi
  grep -E 'stat::number_of_executed_units' "$log"
done
