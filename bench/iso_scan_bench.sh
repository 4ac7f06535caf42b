#!/usr/bin/env bash
# Times `vorlix-cli scan` of an ISO 9660 image of 200,000 files (496 MB, Joliet and Rock Ridge
# names, as xorrisofs writes it) against `isoinfo -l -J -i` listing the same image. Every run is
# a fresh process, as a user starts it; the two run in pairs, taking turns to go first, after one
# run each to bring the image into the page cache. Prints the median time of each and the median
# of the pairs' ratios. The scan records every file (--no-filter) into a new catalogue each run,
# written and synced as always.
#
# Usage: bench/iso_scan_bench.sh [--runs N] [--scratch DIR] [--cli PATH] [--row]
#   --runs N       pairs of runs (default 7)
#   --scratch DIR  where the tree and the image are made, outside the repository (default: a new
#                  folder under ${TMPDIR:-/tmp}, removed at the end); an image already made there
#                  is used again
#   --cli PATH     the vorlix-cli to time (default: build/src/cli/vorlix-cli)
#   --row          print one row of scripts/bench.sh's table instead of the report
set -euo pipefail

repo="$(cd "$(dirname "$0")/.." && pwd)"
runs=7
scratch=""
cli="$repo/build/src/cli/vorlix-cli"
row=0
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --scratch) scratch="$2"; shift 2 ;;
    --cli) cli="$2"; shift 2 ;;
    --row) row=1; shift ;;
    *) echo "usage: $0 [--runs N] [--scratch DIR] [--cli PATH] [--row]" >&2; exit 2 ;;
  esac
done

for tool in xorriso isoinfo perl; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done
[ -x "$cli" ] || { echo "$0: no vorlix-cli at $cli (build it first)" >&2; exit 1; }

if [ -z "$scratch" ]; then
  scratch="$(mktemp -d "${TMPDIR:-/tmp}/iso_scan_bench.XXXXXX")"
  trap 'rm -rf "$scratch"' EXIT
fi
mkdir -p "$scratch"
scratch="$(cd "$scratch" && pwd)"
case "$scratch/" in
  "$repo"/*) echo "$0: the scratch folder must lie outside the repository" >&2; exit 1 ;;
esac

image="$scratch/image.iso"
layout="100 artists x 100 albums x 20 tracks of 1-2048 bytes, xorrisofs -J -R"
if [ ! -f "$image" ] || [ "$(cat "$scratch/image.layout" 2>/dev/null)" != "$layout" ]; then
  echo "making the tree and the image in $scratch (a few minutes)..." >&2
  rm -rf "$scratch/tree" "$image" "$scratch/image.layout"
  perl -e '
    my $root = shift; mkdir $root or die "$root: $!"; my $n = 0; my $bytes = "v" x 2048;
    for my $a (1 .. 100) {
      my $artist = sprintf("%s/Artist %03d", $root, $a); mkdir $artist or die;
      for my $b (1 .. 100) {
        my $album = sprintf("%s/Album %03d - Collected Works", $artist, $b); mkdir $album or die;
        for my $t (1 .. 20) {
          $n++;
          my $file = sprintf("%s/Track %02d - Song Title Number %06d.mp3", $album, $t, $n);
          open(my $out, ">", $file) or die "$file: $!";
          print $out substr($bytes, 0, 1 + ($n * 7919) % 2048); close $out;
        }
      }
    }' "$scratch/tree"
  xorriso -as mkisofs -J -R -V ISO_SCAN_BENCH -o "$image" "$scratch/tree" >/dev/null 2>&1
  rm -rf "$scratch/tree"
  echo "$layout" >"$scratch/image.layout"
fi

export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" VORLIX_PASSWORD=bench
"$cli" accounts add bench >/dev/null 2>&1 || true
catalogue="$scratch/catalogue.vrd"

scan() {
  rm -f "$catalogue"
  "$cli" scan "$image" "$catalogue" --user bench --no-filter >"$scratch/scan.out" 2>&1 ||
    { echo "$0: vorlix-cli scan failed:" >&2; cat "$scratch/scan.out" >&2; exit 1; }
}
list() {
  isoinfo -l -J -i "$image" >/dev/null
}
# Seconds the command takes, with microseconds.
seconds() {
  local start="$EPOCHREALTIME"
  "$@"
  awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.6f", b - a }'
}
median() {
  sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

scan
grep -q '^files: 200000$' "$scratch/scan.out" ||
  { echo "$0: the scan did not record 200,000 files:" >&2; cat "$scratch/scan.out" >&2; exit 1; }
list

cli_times=() isoinfo_times=() ratios=()
for ((i = 0; i < runs; i++)); do
  if ((i % 2 == 0)); then
    t_isoinfo="$(seconds list)"; t_cli="$(seconds scan)"
  else
    t_cli="$(seconds scan)"; t_isoinfo="$(seconds list)"
  fi
  cli_times+=("$t_cli") isoinfo_times+=("$t_isoinfo")
  ratios+=("$(awk -v a="$t_cli" -v b="$t_isoinfo" 'BEGIN { printf "%.4f", a / b }')")
done

megabytes="$(awk -v b="$(stat -c %s "$image")" 'BEGIN { printf "%.0f", b / 1e6 }')"
if [ "$row" = 1 ]; then
  cli_ms="$(printf '%s\n' "${cli_times[@]}" | median | awk '{ printf "%.0f", $1 * 1000 }')"
  printf '| %-34s | %8.0f ms | %7.0f MB/s | %-16s %6.0f ms | %6.2f | %9s | %6s |\n' \
    "ISO image scan, 200,000 files, $megabytes MB" "$cli_ms" \
    "$(awk -v n="$megabytes" -v t="$cli_ms" 'BEGIN { print (t > 0 ? n / (t / 1000) : 0) }')" \
    "isoinfo -l -J -i" "$(printf '%s\n' "${isoinfo_times[@]}" | median | awk '{ print $1 * 1000 }')" \
    "$(printf '%s\n' "${ratios[@]}" | median)" "-" "-"
  exit 0
fi
printf 'ISO image scan: 200,000 files in a %s MB image, %d paired fresh runs, medians\n' "$megabytes" "$runs"
printf '  vorlix-cli scan    %.3f s\n' "$(printf '%s\n' "${cli_times[@]}" | median)"
printf '  isoinfo -l -J -i   %.3f s\n' "$(printf '%s\n' "${isoinfo_times[@]}" | median)"
printf '  ratio              %.2f (target: at most 1.5)\n' "$(printf '%s\n' "${ratios[@]}" | median)"
printf '  load: %s\n' "$(uptime | sed 's/.*load average/load average/')"
