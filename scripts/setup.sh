#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test.
# Safe to run again: packages already present are left alone.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  libssl-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-image-formats-plugins qt6-qpa-plugins
  googletest libgtest-dev libgmock-dev libbenchmark-dev time
  clang libclang-rt-14-dev
  shared-mime-info desktop-file-utils adwaita-icon-theme
  libcdio-dev libcurl4-openssl-dev xorriso genisoimage
  libarchive-dev libarchive-tools zip p7zip-full
  locales
  python3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
