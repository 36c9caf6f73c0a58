#!/usr/bin/env bash
# Installs, once, the Debian packages that building, playing and testing need.
# Usage: deps.sh build|test
set -euo pipefail

need=(cmake ninja-build g++ pkg-config libgtest-dev qt6-base-dev qt6-svg-dev libqt6svg6
      qt6-qpa-plugins qt6-wayland libgl-dev fonts-comic-neue fonts-cabinsketch fonts-ocr-a
      fonts-wine fonts-dejavu-core fonts-freefont-ttf fonts-lohit-deva fonts-droid-fallback
      fonts-noto-color-emoji)
if [ "${1:-build}" = test ]; then
    need+=(xvfb xauth xdotool imagemagick x11-utils clang libclang-rt-14-dev clang-format
           dpkg-dev lintian appstream desktop-file-utils python3 openbox weston)
fi

missing=()
for p in "${need[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
