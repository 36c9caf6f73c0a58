#!/usr/bin/env bash
# Checks the formatting, then builds everything and runs every test: the debug build, the
# sanitizer build, then the release build as it is packaged.
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

echo "=== release package ==="
cmake --preset release >/dev/null
cmake --build --preset release
(cd build/release && rm -f kivo_*.deb && cpack >/dev/null)
bash tests/package/check.sh build/release
