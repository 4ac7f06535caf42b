#!/usr/bin/env bash
# Builds the benchmarks (RelWithDebInfo) and runs them all, printing one table.
#
# The catalogue figures time fresh processes, as a user's vorlix-cli or vorlix starts one, on
# generated catalogues of 1,000 x 1,000 and 2,000 x 5,000 file entries, each run paired with
# its baseline (cat, or dd conv=fsync for a command that writes) in the same loop; a figure is
# the median over the pairs, with the peak resident memory of the process. The save row times
# only the save inside save_catalogue (serialise, write, fsync, rename; the read before it is
# left out) against dd conv=fsync of the same bytes. The in-process figures of
# catalogue_file_bench follow, labelled as repeated passes inside one process, then the search
# engine on 10,000,000 generated file entries against grep over the same names. The archive
# row is bench/archive_list_bench.sh: the time listing 40 mixed archives adds to a folder scan
# against bsdtar -tf of the same archives, with the peak memory of listing 1,000,000 members.
# The ISO row is bench/iso_scan_bench.sh: vorlix-cli scan of a 496 MB image of 200,000 files
# against isoinfo -l -J -i. The desktop rows start the desktop program (bench/gui/desktop_start,
# offscreen) on the 1M-entry catalogue and on an empty one in turns: until the window first
# painted, and until the catalogue is in its panes.
#
# Usage: scripts/bench.sh [RUNS]   (default 5 pairs per figure)
# VORLIX_BENCH_DIR names the scratch folder for the catalogues (default /tmp/vorlix-bench);
# VORLIX_BENCH_SIZES limits the sizes ("1m", "10m" or "1m 10m").
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-5}"
scratch="${VORLIX_BENCH_DIR:-/tmp/vorlix-bench}"
sizes="${VORLIX_BENCH_SIZES:-1m 10m}"
build=build

scripts/setup.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLIX_BENCH=ON >/dev/null
cmake --build "$build" --target vorlix-cli load_catalogue save_catalogue write_bench_catalogue \
  catalogue_file_bench scan_folder_bench disc_tree_bench file_list_bench search_bench desktop_start
mkdir -p "$scratch"
cli="$build/src/cli/vorlix-cli"
load="$build/bench/load_catalogue"
save="$build/bench/save_catalogue"

catalogue_for() {
  local discs files path
  case "$1" in
    1m) discs=1000 files=1000 ;;
    10m) discs=2000 files=5000 ;;
  esac
  path="$scratch/generated-${discs}x${files}.vrd"
  [ -s "$path" ] || "$build/bench/write_bench_catalogue" "$discs" "$files" "$path"
  echo "$path"
}

# Runs a command once; prints its wall time in milliseconds and its peak resident memory in
# kilobytes. The command's own output goes to /dev/null, unless the command reports its own
# time (reported=1): then that is the time.
reported=0
timed() {
  local rss out=/dev/null start end ms
  rss="$(mktemp)"
  if [ "$reported" = 1 ]; then
    out="$(mktemp)"
  fi
  start="$(date +%s%N)"
  /usr/bin/time -f '%M' -o "$rss" "$@" >"$out"
  end="$(date +%s%N)"
  ms="$(((end - start) / 1000000))"
  if [ "$reported" = 1 ]; then
    ms="$(cat "$out")"
    rm -f "$out"
  fi
  echo "$ms $(cat "$rss")"
  rm -f "$rss"
}

median() {
  sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

# pair LABEL FILE BASELINE_NAME -- BASELINE... -- SUBJECT...
# Alternates baseline and subject RUNS times and prints one table row.
pair() {
  local label="$1" file="$2" base_name="$3"
  shift 3
  local base=() subject=()
  shift # --
  while [ "$1" != "--" ]; do
    base+=("$1")
    shift
  done
  shift
  subject=("$@")
  local base_ms=() subject_ms=() ratios=() rss=() t r i
  for ((i = 0; i < runs; i++)); do
    read -r t r < <(reported=0 timed "${base[@]}")
    base_ms+=("$t")
    read -r t r < <(timed "${subject[@]}")
    subject_ms+=("$t")
    rss+=("$r")
    ratios+=("$(awk -v s="$t" -v b="${base_ms[i]}" 'BEGIN {printf "%.2f", (b > 0 ? s / b : 0)}')")
  done
  local bytes b s ratio peak
  bytes="$(stat -L -c %s "$file")"
  b="$(printf '%s\n' "${base_ms[@]}" | median)"
  s="$(printf '%s\n' "${subject_ms[@]}" | median)"
  ratio="$(printf '%s\n' "${ratios[@]}" | median)"
  peak="$(printf '%s\n' "${rss[@]}" | median)"
  printf '| %-34s | %8.0f ms | %7.0f MB/s | %-16s %6.0f ms | %6.2f | %6.0f MB | %5.2fx |\n' \
    "$label" "$s" "$(awk -v n="$bytes" -v t="$s" 'BEGIN {print (t > 0 ? n / 1e6 / (t / 1000) : 0)}')" \
    "$base_name" "$b" "$ratio" "$(awk -v k="$peak" 'BEGIN {print k / 1024}')" \
    "$(awk -v k="$peak" -v n="$bytes" 'BEGIN {print k * 1024 / n}')"
}

echo "machine: $(nproc) cores; load before: $(uptime | sed 's/.*load average: //')"
echo "fresh processes, median of $runs paired runs (ratio: median of subject / baseline per pair)"
echo
echo "| What | Time | Speed | Baseline | Ratio | Peak RSS | RSS / file |"
echo "|---|---|---|---|---|---|---|"
for size in $sizes; do
  file="$(catalogue_for "$size")"
  out="$scratch/converted.vrd"
  name="$size ($(($(stat -L -c %s "$file") / 1000000)) MB)"
  pair "load (load_catalogue), $name" "$file" cat -- cat "$file" -- "$load" "$file"
  pair "dump, $name" "$file" cat -- cat "$file" -- "$cli" dump "$file"
  pair "dump --json, $name" "$file" cat -- cat "$file" -- "$cli" dump --json "$file"
  reported=1 pair "save (save_catalogue), $name" "$file" "dd conv=fsync" -- \
    dd if="$file" of="$out" bs=1M conv=fsync status=none -- "$save" "$file" "$out"
  pair "convert, $name" "$file" "dd conv=fsync" -- \
    dd if="$file" of="$out" bs=1M conv=fsync status=none -- "$cli" convert "$file" "$out"
  rm -f "$out"
done
bench/archive_list_bench.sh --runs "$runs" --cli "$cli" --scratch "$scratch/archives" --row
bench/iso_scan_bench.sh --runs "$runs" --cli "$cli" --scratch "$scratch/iso" --row

# The desktop program on the 1M-entry catalogue against the same start on an empty one, with a
# home of its own in the scratch folder (the program sets up an account there that logs in by
# itself). Two rows: until the window first painted, and until the catalogue is in its panes.
desktop_home="$scratch/desktop-home"
mkdir -p "$desktop_home"
empty="$desktop_home/empty.vrd"
[ -s "$empty" ] || "$cli" new "$empty" >/dev/null
desktop() {
  HOME="$desktop_home" XDG_CONFIG_HOME="$desktop_home/config" XDG_DATA_HOME="$desktop_home/data" \
    XDG_RUNTIME_DIR="$desktop_home/run" QT_QPA_PLATFORM=offscreen \
    VORLIX_BENCH_LAUNCHED_NS="$(date +%s%N)" "$build/bench/gui/desktop_start" "$1" 2>/dev/null |
    tail -n 1
}
mkdir -p "$desktop_home/run"
chmod 700 "$desktop_home/run"
desktop "$empty" >/dev/null
big="$(catalogue_for 1m)"
painted_empty=() painted_big=() shown_empty=() shown_big=() painted_ratios=() shown_ratios=()
for ((i = 0; i < runs; i++)); do
  read -r pe se < <(desktop "$empty")
  read -r pb sb < <(desktop "$big")
  painted_empty+=("$pe") shown_empty+=("$se") painted_big+=("$pb") shown_big+=("$sb")
  painted_ratios+=("$(awk -v s="$pb" -v b="$pe" 'BEGIN {printf "%.2f", (b > 0 ? s / b : 0)}')")
  shown_ratios+=("$(awk -v s="$sb" -v b="$se" 'BEGIN {printf "%.2f", (b > 0 ? s / b : 0)}')")
done
mid() {
  printf '%s\n' "$@" | median
}
# desktop_row LABEL SUBJECT_MS BASELINE_MS RATIO
desktop_row() {
  printf '| %-34s | %8.0f ms | %12s | %-16s %6.0f ms | %6.2f | %9s | %6s |\n' \
    "$1" "$2" "-" "empty catalogue" "$3" "$4" "-" "-"
}
desktop_row "desktop start, window painted, 1m" \
  "$(mid "${painted_big[@]}")" "$(mid "${painted_empty[@]}")" "$(mid "${painted_ratios[@]}")"
desktop_row "desktop start, catalogue in panes, 1m" \
  "$(mid "${shown_big[@]}")" "$(mid "${shown_empty[@]}")" "$(mid "${shown_ratios[@]}")"
echo
echo "load after: $(uptime | sed 's/.*load average: //')"
echo
echo "Repeated passes inside one process (the file stays cached and memory stays mapped;"
echo "no user sees these: a program reads its catalogue once, in a fresh process):"
"$build/bench/catalogue_file_bench" --benchmark_counters_tabular=true
echo
echo "Folder scan against find:"
"$build/bench/scan_folder_bench" "$scratch/scan-tree"
echo
echo "Search engine on 10,000,000 file entries against grep, load before: $(uptime | sed 's/.*load average: //')"
"$build/bench/search_bench" "$scratch" "$runs"
echo
echo "Panes on large catalogues (offscreen):"
QT_QPA_PLATFORM=offscreen "$build/bench/views/disc_tree_bench"
QT_QPA_PLATFORM=offscreen "$build/bench/views/file_list_bench"
