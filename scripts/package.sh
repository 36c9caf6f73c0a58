#!/usr/bin/env bash
# Builds Kivo's Debian source and binary packages in build/deb as a Debian packager would, from
# the files of this tree, committed or not: the upstream tarball of all but debian/, unpacked,
# debian/ added, then dpkg-buildpackage. The tree itself is left as it is. The build's log is
# build/deb/build.log.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/deb
version=$(dpkg-parsechangelog --show-field Version)
upstream=${version%-*}
dir="$out/kivo-$upstream"

# The files git knows of or would add, those that are there, under the given folder or not.
files() {  # include|exclude
    local f
    if [ "$1" = include ]; then set -- debian; else set -- . ':(exclude)debian'; fi
    git ls-files -z --cached --others --exclude-standard -- "$@" |
        while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done
}

rm -rf "$out"
mkdir -p "$out"
files exclude | tar --create --xz --file "$out/kivo_$upstream.orig.tar.xz" --null --files-from=- \
    --transform "s,^,kivo-$upstream/," --sort=name --owner=0 --group=0 --numeric-owner \
    --mtime="@$(dpkg-parsechangelog --show-field Timestamp)"
tar --extract --file "$out/kivo_$upstream.orig.tar.xz" --directory "$out"
files include | tar --create --null --files-from=- | tar --extract --directory "$dir"

echo "building kivo $version in $dir"
if ! (cd "$dir" && DEB_BUILD_OPTIONS="parallel=$(nproc)" dpkg-buildpackage -us -uc) >"$out/build.log" 2>&1; then
    tail -n 60 "$out/build.log"
    echo "package: the build failed; the whole log is $out/build.log" >&2
    exit 1
fi
# The quick tests' summary, from the build's own run of them.
grep -E '^[0-9]+% tests passed' "$out/build.log" || true
ls "$out"/*.deb
