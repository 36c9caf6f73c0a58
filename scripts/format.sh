#!/usr/bin/env bash
# Formats every tracked C++ file with clang-format and the repository's .clang-format.
# Usage: format.sh           reformats, in place, the files that need it and names them
#        format.sh --check   changes nothing; names the files that need it and fails if any do
# CLANG_FORMAT picks another clang-format; the tree is kept formatted by Debian 12's, version 14.
set -euo pipefail
cd "$(dirname "$0")/.."
clang_format="${CLANG_FORMAT:-clang-format}"

check=false
case "${1:-}" in
    --check) check=true ;;
    "") ;;
    *) echo "usage: $0 [--check]" >&2; exit 2 ;;
esac

if ! command -v "$clang_format" >/dev/null; then
    echo "format: $clang_format not found (bash scripts/deps.sh test installs it)" >&2
    exit 2
fi

git rev-parse --is-inside-work-tree >/dev/null
formatted="$(mktemp)"
trap 'rm -f "$formatted"' EXIT
unformatted=()
while IFS= read -r -d '' file; do
    # A failing clang-format (a broken .clang-format, say) stops the script here.
    "$clang_format" --style=file "$file" >"$formatted"
    cmp -s "$file" "$formatted" || unformatted+=("$file")
done < <(git ls-files -z -- '*.cpp' '*.h')

if [ ${#unformatted[@]} -eq 0 ]; then
    echo "format: every C++ file is formatted"
    exit 0
fi
if $check; then
    printf '%s\n' "${unformatted[@]}"
    echo "format: ${#unformatted[@]} file(s) need formatting; bash scripts/format.sh formats them" >&2
    exit 1
fi
"$clang_format" --style=file -i -- "${unformatted[@]}"
printf 'formatted %s\n' "${unformatted[@]}"
