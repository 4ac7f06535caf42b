#!/usr/bin/env bash
# Times what listing archives adds to a scan: `vorlix-cli scan --archives` minus `vorlix-cli
# scan` of the same tree, against `bsdtar -tf` of every archive of the tree, one process per
# archive. The tree is made here: 40 archives (10 each of zip, tar.gz, tar.xz and 7z, all by
# bsdtar), every one holding 1,000 members of 512-4,096 bytes and five of 1 MB, which do not
# compress: some 290 MB and 40,000 members in all. Every run is a fresh process; the three run
# in turns, each turn in another order, after one run each to bring the tree into the page
# cache. Prints the medians, the ratio of the added time to bsdtar's (target: at most 1), and
# the peak resident memory of a scan listing one tar.gz of 1,000,000 empty members, made by a
# generator, beside that of the plain scan of the same folder.
#
# Usage: bench/archive_list_bench.sh [--runs N] [--scratch DIR] [--cli PATH] [--row]
#   --runs N       turns of runs (default 5)
#   --scratch DIR  where the trees are made, outside the repository (default: a new folder under
#                  ${TMPDIR:-/tmp}, removed at the end); trees already made there are used again
#   --cli PATH     the vorlix-cli to time (default: build/src/cli/vorlix-cli)
#   --row          print one row of scripts/bench.sh's table instead of the report
set -euo pipefail

repo="$(cd "$(dirname "$0")/.." && pwd)"
runs=5
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

for tool in bsdtar python3 /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done
[ -x "$cli" ] || { echo "$0: no vorlix-cli at $cli (build it first)" >&2; exit 1; }

if [ -z "$scratch" ]; then
  scratch="$(mktemp -d "${TMPDIR:-/tmp}/archive_list_bench.XXXXXX")"
  trap 'rm -rf "$scratch"' EXIT
fi
mkdir -p "$scratch"
scratch="$(cd "$scratch" && pwd)"
case "$scratch/" in
  "$repo"/*) echo "$0: the scratch folder must lie outside the repository" >&2; exit 1 ;;
esac

tree="$scratch/tree"
layout="10 x (zip tar.gz tar.xz 7z) of 1,000 members of 512-4096 bytes and 5 of 1 MB"
if [ ! -d "$tree" ] || [ "$(cat "$scratch/tree.layout" 2>/dev/null)" != "$layout" ]; then
  echo "making the archives in $scratch (a few minutes)..." >&2
  rm -rf "$tree" "$scratch/staging" "$scratch/tree.layout"
  python3 - "$scratch/staging" <<'EOF'
import os, random, sys
root = sys.argv[1]
rng = random.Random(1)
for set_number in range(10):
    for member in range(1000):
        folder = os.path.join(root, "set%02d" % set_number, "folder%02d" % (member // 100))
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "member%04d.dat" % member), "wb") as out:
            out.write(rng.randbytes(rng.randint(512, 4096)))
    for big in range(5):
        with open(os.path.join(root, "set%02d" % set_number, "big%d.bin" % big), "wb") as out:
            out.write(rng.randbytes(1024 * 1024))
EOF
  for set in "$scratch/staging"/set*; do
    name="$(basename "$set")"
    mkdir -p "$tree/$name"
    (cd "$set" &&
      bsdtar --format zip -cf "$tree/$name/$name.zip" . &&
      bsdtar -czf "$tree/$name/$name.tar.gz" . &&
      bsdtar -cJf "$tree/$name/$name.tar.xz" --options xz:compression-level=1 . &&
      bsdtar --format 7zip --options 7zip:compression-level=1 -cf "$tree/$name/$name.7z" .)
  done
  rm -rf "$scratch/staging"
  echo "$layout" >"$scratch/tree.layout"
fi

million="$scratch/million"
if [ ! -s "$million/million.tar.gz" ]; then
  echo "making a tar.gz of 1,000,000 empty members..." >&2
  mkdir -p "$million"
  python3 - "$million/million.tar.gz" <<'EOF'
import sys, tarfile
with tarfile.open(sys.argv[1], "w:gz", compresslevel=1, format=tarfile.USTAR_FORMAT) as out:
    for n in range(1000000):
        member = tarfile.TarInfo("folder%03d/member%07d.txt" % (n // 1000, n))
        out.addfile(member)
EOF
fi

export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" VORLIX_PASSWORD=bench
"$cli" accounts add bench >/dev/null 2>&1 || true
catalogue="$scratch/catalogue.vrd"
mapfile -t archives < <(find "$tree" -type f \( -name '*.zip' -o -name '*.tar.gz' -o -name '*.tar.xz' -o -name '*.7z' \) | sort)

scan_plain() {
  rm -f "$catalogue"
  "$cli" scan "$tree" "$catalogue" --user bench --no-filter >"$scratch/scan.out" 2>&1 ||
    { echo "$0: vorlix-cli scan failed:" >&2; cat "$scratch/scan.out" >&2; exit 1; }
}
scan_archives() {
  rm -f "$catalogue"
  "$cli" scan "$tree" "$catalogue" --user bench --no-filter --archives >"$scratch/scan.out" 2>&1 ||
    { echo "$0: vorlix-cli scan --archives failed:" >&2; cat "$scratch/scan.out" >&2; exit 1; }
}
list_all() {
  local archive
  for archive in "${archives[@]}"; do
    bsdtar -tf "$archive" >/dev/null
  done
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

load_before="$(uptime | sed 's/.*load average: //')"
scan_archives
members="$(awk '/^files: / { print $2 }' "$scratch/scan.out")"
expected=$(( ${#archives[@]} + ${#archives[@]} * 1005 ))
[ "$members" = "$expected" ] ||
  { echo "$0: the scan recorded $members files, not $expected:" >&2; cat "$scratch/scan.out" >&2; exit 1; }
scan_plain
list_all

plain_times=() archives_times=() bsdtar_times=() ratios=()
for ((i = 0; i < runs; i++)); do
  case $((i % 3)) in
    0) t_plain="$(seconds scan_plain)"; t_archives="$(seconds scan_archives)"; t_bsdtar="$(seconds list_all)" ;;
    1) t_archives="$(seconds scan_archives)"; t_bsdtar="$(seconds list_all)"; t_plain="$(seconds scan_plain)" ;;
    2) t_bsdtar="$(seconds list_all)"; t_plain="$(seconds scan_plain)"; t_archives="$(seconds scan_archives)" ;;
  esac
  plain_times+=("$t_plain") archives_times+=("$t_archives") bsdtar_times+=("$t_bsdtar")
  ratios+=("$(awk -v a="$t_archives" -v p="$t_plain" -v b="$t_bsdtar" 'BEGIN { printf "%.4f", (a - p) / b }')")
done
load_after="$(uptime | sed 's/.*load average: //')"

peak_kb() {
  local rss
  rss="$(mktemp)"
  rm -f "$catalogue"
  /usr/bin/time -f '%M' -o "$rss" "$cli" scan "$million" "$catalogue" --user bench --no-filter "$@" \
    >"$scratch/million.out" 2>&1 ||
    { echo "$0: the scan of the million members failed:" >&2; cat "$scratch/million.out" >&2; exit 1; }
  tail -n 1 "$rss"
  rm -f "$rss"
}
million_listed_kb="$(peak_kb --archives)"
grep -q '^files: 1000001$' "$scratch/million.out" ||
  { echo "$0: the million members were not all listed:" >&2; cat "$scratch/million.out" >&2; exit 1; }
million_plain_kb="$(peak_kb)"
rm -f "$catalogue"

bytes="$(cat "${archives[@]}" | wc -c)"
plain="$(printf '%s\n' "${plain_times[@]}" | median)"
listed="$(printf '%s\n' "${archives_times[@]}" | median)"
bsdtar="$(printf '%s\n' "${bsdtar_times[@]}" | median)"
ratio="$(printf '%s\n' "${ratios[@]}" | median)"
added_ms="$(awk -v a="$listed" -v p="$plain" 'BEGIN { printf "%.0f", (a - p) * 1000 }')"
bsdtar_ms="$(awk -v b="$bsdtar" 'BEGIN { printf "%.0f", b * 1000 }')"

if [ "$row" = 1 ]; then
  printf '| %-34s | %8.0f ms | %7.0f MB/s | %-16s %6.0f ms | %6.2f | %6.0f MB | %5.2fx |\n' \
    "archives listed (RSS: 1M members), $((bytes / 1000000)) MB" "$added_ms" \
    "$(awk -v n="$bytes" -v t="$added_ms" 'BEGIN { print (t > 0 ? n / 1e6 / (t / 1000) : 0) }')" \
    "bsdtar -tf" "$bsdtar_ms" "$ratio" "$(awk -v k="$million_listed_kb" 'BEGIN { print k / 1024 }')" \
    "$(awk -v k="$million_listed_kb" -v n="$(stat -c %s "$million/million.tar.gz")" 'BEGIN { print k * 1024 / n }')"
  exit 0
fi

printf 'Archive listing: %d archives, %d members, %d MB, %d fresh turns, medians\n' \
  "${#archives[@]}" "$((${#archives[@]} * 1005))" "$((bytes / 1000000))" "$runs"
printf '  vorlix-cli scan              %.3f s\n' "$plain"
printf '  vorlix-cli scan --archives   %.3f s\n' "$listed"
printf '  added by the listing         %.3f s\n' "$(awk -v a="$listed" -v p="$plain" 'BEGIN { print a - p }')"
printf '  bsdtar -tf of each archive   %.3f s\n' "$bsdtar"
printf '  ratio added / bsdtar         %.2f (target: at most 1)\n' "$ratio"
printf '  1,000,000 members in one tar.gz: peak RSS %.0f MB listed, %.0f MB plain scan\n' \
  "$(awk -v k="$million_listed_kb" 'BEGIN { print k / 1024 }')" \
  "$(awk -v k="$million_plain_kb" 'BEGIN { print k / 1024 }')"
printf '  machine: %s cores; load before: %s; after: %s\n' "$(nproc)" "$load_before" "$load_after"
