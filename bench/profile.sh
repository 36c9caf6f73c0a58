#!/usr/bin/env bash
# Instructions per turn of the rules, under callgrind: a figure that does not move with the
# machine's load. Prints the total, the turns played and the costliest functions.
# Usage: profile.sh [build-folder]   (default build/bench)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build/bench}
OUT=$(mktemp /tmp/kivo-callgrind.XXXXXX)
trap 'rm -f "$OUT"' EXIT

valgrind --tool=callgrind --callgrind-out-file="$OUT" --toggle-collect='*turns<*' \
    "$BUILD/bench/rules_bench" --benchmark_filter='BM_Turn/players:4' --benchmark_min_time=0.2 \
    >/dev/null 2>&1

# Every turn ends in exactly one passTurn: its calls are the turns played.
python3 - "$OUT" <<'PY'
import re, sys
names, total, turns, viewCalls, cfn = {}, 0, 0, 0, None
for line in open(sys.argv[1]):
    m = re.match(r'(c?fn)=\((\d+)\)(?: (.*))?', line)
    if m:
        if m.group(3): names[m.group(2)] = m.group(3)
        if m.group(1) == 'cfn': cfn = names.get(m.group(2), '')
        continue
    if line.startswith('calls=') and cfn and cfn.startswith('kivo::BoardRules::passTurn'):
        turns += int(line.split()[0][6:])
    if line.startswith('calls=') and cfn and cfn.startswith('kivo::bench::NullView::'):
        viewCalls += int(line.split()[0][6:])
    if line.startswith('summary:') or line.startswith('totals:'):
        total = int(line.split()[1])
t = max(turns, 1)
print(f"instructions: {total:,}  turns: {turns:,}  per turn: {total / t:,.0f}")
print(f"calls into the view: {viewCalls / t:.1f} per turn")
PY
callgrind_annotate "$OUT" 2>/dev/null | sed -n '/^Ir /,$p' | sed -n '5,16p'
