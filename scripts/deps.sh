#!/usr/bin/env bash
# Installs, once, the Debian packages that building, playing and testing need: the build
# dependencies that debian/control lists, the one list of them. "build" leaves out those that
# only the tests use (marked <!nocheck> there).
# Usage: deps.sh build|test
set -euo pipefail
cd "$(dirname "$0")/.."

case "${1:-build}" in
    build) profile=(-P nocheck) ;;
    test) profile=() ;;
    *) echo "usage: $0 build|test" >&2; exit 2 ;;
esac

# Everything there already: dpkg-checkbuilddeps reads the list and says so quickly.
if command -v dpkg-checkbuilddeps >/dev/null &&
    dpkg-checkbuilddeps "${profile[@]}" >/dev/null 2>&1; then
    exit 0
fi

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
# A fresh machine knows no package before its first update; apt reads debian/control itself,
# and adds build-essential to what it lists.
$SUDO apt-get update -qq
$SUDO apt-get build-dep -y --no-install-recommends "${profile[@]}" ./
