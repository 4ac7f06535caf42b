#!/usr/bin/env bash
# Builds the fuzz targets with clang, makes their seed inputs and runs each target for a while
# (default 15 seconds each).
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-15}"
corpus=build-fuzz/corpus

# Each target with the memory it may take in megabytes; a run over it is a failure.
targets=(archive:2048 xml_navigator:2048 reg_text:512 accounts:512 help_playlist:512
  filter_list:512 cue_sheet:512 disc_image:2048 archive_listing:1024)

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DVORLIX_FUZZ=ON >/dev/null
cmake --build build-fuzz --target vorlix-cli "${targets[@]/%:*/_fuzz}"

for target in "${targets[@]}"; do
  mkdir -p "${corpus}/${target%:*}"
done

cp data/Demo.vrd "${corpus}/archive/"

printf '<info>\r\n<mtoc>1 2</mtoc>\r\n<cddb>no</cddb>\r\n<notes/>\r\n</info>\r\n' \
  > "${corpus}/xml_navigator/scanned"
printf '<info><price date="May 02, 2004"><new>$1</new><used/></price><ASIN>B0</ASIN></info>' \
  > "${corpus}/xml_navigator/price"

# Settings as exported (UTF-8 and the registry editor's UTF-16), and the other value forms.
cp data/*.reg "${corpus}/reg_text/"
{ printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE data/restorechat.reg; } \
  > "${corpus}/reg_text/utf16.reg"
printf '%s\r\n' 'REGEDIT4' '' '[HKEY_CURRENT_USER\Software\A]' '@="x \"q\" \\"' \
  '"bin"=hex:01,02,\' '  ff' '"multi"=hex(7):61,00,00' '"gone"=-' '; note' \
  '[-HKEY_CURRENT_USER\Software\B]' '[HKEY_LOCAL_MACHINE\Other]' '"k"="v"' \
  > "${corpus}/reg_text/forms.reg"

# An accounts file with two accounts, made by the command line in a home of its own.
home="build-fuzz/seed-home"
rm -rf "$home"
mkdir -p "$home"
for name in alice bob; do
  HOME="$PWD/$home" XDG_CONFIG_HOME="$PWD/$home/config" XDG_DATA_HOME="$PWD/$home/data" \
    VORLIX_PASSWORD="secret-$name" build-fuzz/src/cli/vorlix-cli accounts add "$name" >/dev/null
done
find "$home" -name qxdata.inf -exec cp {} "${corpus}/accounts/qxdata.inf" \;

# Two items: the class written in full, then referred to by its index.
printf '\x02\x00\xff\xff\x00\x00\x0c\x00CQXHPlaylist\x0bTrack01.cda\x0212\x01\x80\x0dBeach 001.jpg\x013' \
  > "${corpus}/help_playlist/two_items"

cp data/ext.txt data/noscan.txt "${corpus}/filter_list/"

# The fuzzer puts the sheet beside a BIN file called sheet.bin.
printf 'FILE "sheet.bin" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n  TRACK 02 AUDIO\n    INDEX 00 00:00:20\n    INDEX 01 00:00:30\n' \
  > "${corpus}/cue_sheet/audio.cue"
printf 'REM GENRE Test\r\nTITLE "Mixed"\r\nFILE "sheet.bin" BINARY\r\n  TRACK 01 MODE1/2352\r\n    INDEX 01 00:00:00\r\n  TRACK 02 AUDIO\r\n    PREGAP 00:00:02\r\n    INDEX 01 00:00:10\r\n' \
  > "${corpus}/cue_sheet/mixed.cue"
# Track numbers that go back, which the CD library must never see (it reads outside its tables).
printf 'FILE "sheet.bin" BINARY\n  TRACK 99 AUDIO\n    INDEX 01 00:00:00\n  TRACK 02 AUDIO\n    INDEX 01 00:00:10\n' \
  > "${corpus}/cue_sheet/tracks_going_back.cue"

# Small images of a tree with nested folders, a long name and a name without extension.
tree="build-fuzz/seed-tree"
rm -rf "$tree"
mkdir -p "$tree/Music/Rock" "$tree/Docs/Old" "$tree/Empty"
printf 'song' > "$tree/Music/Rock/Song Title.MP3"
printf 'notes' > "$tree/Docs/Old/notes.txt"
printf 'long' > "$tree/Docs/A rather long name that only Joliet holds whole.text"
printf '' > "$tree/README"
xorrisofs -quiet -no-pad -o "${corpus}/disc_image/plain.iso" "$tree"
xorrisofs -quiet -no-pad -J -R -V 'Vorlix Seed' -o "${corpus}/disc_image/joliet_rock_ridge.iso" "$tree"
genisoimage -quiet -no-pad -udf -V 'Vorlix UDF' -o "${corpus}/disc_image/udf.iso" "$tree"

# Archives of the same tree in the formats the scan lists, one holding another.
(cd "$tree" && bsdtar -cf Inner.tar Docs &&
  bsdtar --format zip -cf "../corpus/archive_listing/nested.zip" Music Inner.tar &&
  bsdtar -czf "../corpus/archive_listing/tree.tar.gz" . &&
  bsdtar --format 7zip -cf "../corpus/archive_listing/tree.7z" .)

for entry in "${targets[@]}"; do
  target="${entry%:*}"
  echo "fuzzing ${target} for ${seconds}s"
  log="build-fuzz/${target}.log"
  options=(-rss_limit_mb="${entry#*:}" -timeout=10)
  # libiso9660 asks for a directory's declared size at once, up to 4 GB, without touching it;
  # the memory actually used is what counts there.
  [ "$target" != disc_image ] || options+=(-malloc_limit_mb=4096)
  [ ! -f "fuzz/${target}.dict" ] || options+=(-dict="fuzz/${target}.dict")
  if ! LSAN_OPTIONS=suppressions=fuzz/lsan_suppressions.txt "build-fuzz/fuzz/${target}_fuzz" -max_total_time="${seconds}" "${options[@]}" \
      -close_fd_mask=3 -print_final_stats=1 -artifact_prefix="build-fuzz/${target}-" \
      "${corpus}/${target}" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzzing ${target} failed; the input is in build-fuzz/${target}-*"
    exit 1
  fi
  grep -E 'stat::number_of_executed_units' "$log"
done
