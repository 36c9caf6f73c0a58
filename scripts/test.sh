#!/usr/bin/env bash
# Checks the formatting, then builds everything and runs every test: the debug build, the
# sanitizer build, then the Debian packages, built as Debian builds them, and their checks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
echo "=== format ==="
bash scripts/format.sh --check
for preset in debug asan; do
    echo "=== $preset ==="
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

echo "=== fuzzing the rules ==="
bash scripts/fuzz.sh

echo "=== Debian package ==="
bash scripts/package.sh
bash tests/package/check.sh build/deb
