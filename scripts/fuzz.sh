#!/usr/bin/env bash
# Fuzzes the rules engine for FUZZ_SECONDS (60 unless set) in its own build folder, build/fuzz,
# starting from a copy of the seed corpus. Fails when the fuzzer finds a crash or a broken rule;
# skips when there is no Clang with its fuzzer runtime.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-60}"
build=build/fuzz

if ! command -v clang >/dev/null || ! command -v clang++ >/dev/null; then
    echo "fuzz: clang not found, skipped"
    exit 0
fi
probe="$(mktemp -d)"
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"$probe/probe.cpp"
if ! clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null; then
    echo "fuzz: clang has no fuzzer runtime, skipped"
    exit 0
fi

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKIVO_FUZZ=ON -DKIVO_WERROR=ON -DBUILD_TESTING=ON -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON \
    >/dev/null
cmake --build "$build" --target rules_fuzz

rm -rf "$build/corpus" "$build/artifacts"
mkdir -p "$build/artifacts"
cp -r tests/fuzz/corpus "$build/corpus"
echo "=== rules_fuzz for $seconds s ==="
started=$SECONDS
status=0
"$build/tests/fuzz/rules_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/" "$build/corpus" >"$build/fuzz.log" 2>&1 || status=$?
elapsed=$((SECONDS - started))

grep -E '^rules_fuzz:|ERROR|SUMMARY|^artifact_prefix|Test unit written' "$build/fuzz.log" || true
done_line="$(grep -E '^#[0-9]+' "$build/fuzz.log" | tail -n 1 || true)"
execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/fuzz.log")"
echo "fuzz: ${execs:-?} executions in $elapsed s"
echo "fuzz: last status: ${done_line:-none}"
if [ "$status" -ne 0 ]; then
    echo "fuzz: FAILED (exit $status); the whole log is $build/fuzz.log, the input in $build/artifacts/"
    exit 1
fi
echo "fuzz: no faults"
