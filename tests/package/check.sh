#!/usr/bin/env bash
# Checks a release build as Debian would ship it: the hardened executable, the package and
# its contents, lintian, the menu entry and the AppStream data, and that the package installs
# and starts. Usage: check.sh BUILD_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
src=$(cd "$(dirname "$0")/../.." && pwd)
exe="$build/app/kivo"
deb="$build/kivo_1.00_amd64.deb"
passed=0
failed=0

check() {  # check NAME COMMAND...: one line per check
    local name=$1
    shift
    if out=$("$@" 2>&1); then
        passed=$((passed + 1))
        echo "ok   $name"
    else
        failed=$((failed + 1))
        echo "FAIL $name"
        printf '%s\n' "$out" | sed 's/^/     /' | head -n 20
    fi
}

# Each reads the whole listing before searching it: grep -q stopping early would break the pipe.
pie() { grep -q 'DYN (Position-Independent Executable' <<<"$(readelf -h "$exe")"; }
relro() { grep -q GNU_RELRO <<<"$(readelf -lW "$exe")" && grep -q BIND_NOW <<<"$(readelf -dW "$exe")"; }
nx_stack() { grep GNU_STACK <<<"$(readelf -lW "$exe")" | grep -qv RWE; }
stack_protector() { grep -q __stack_chk_fail <<<"$(readelf --dyn-syms -W "$exe")"; }
fortified() {  # every one of our objects was compiled with fortified library calls
    python3 - "$build/compile_commands.json" <<'PY'
import json, sys
missing = [c["file"] for c in json.load(open(sys.argv[1]))
           if "/tests/" not in c["file"] and "-D_FORTIFY_SOURCE=2" not in c["command"]]
print("\n".join(missing))
sys.exit(1 if missing else 0)
PY
}
package_fields() {
    [ "$(dpkg-deb -f "$deb" Package)" = kivo ] && [ "$(dpkg-deb -f "$deb" Version)" = 1.00 ] &&
        grep -q libqt6widgets6 <<<"$(dpkg-deb -f "$deb" Depends)"
}
package_contents() {
    local list
    list=$(dpkg-deb -c "$deb")
    for f in ./usr/games/kivo ./usr/share/applications/kivo.desktop \
        ./usr/share/icons/hicolor/scalable/apps/kivo.svg \
        ./usr/share/metainfo/org.kivo.Kivo.metainfo.xml; do
        grep -q " $f\$" <<<"$list" || { echo "missing $f"; return 1; }
    done
}
lintian_clean() {
    local out
    out=$(lintian "$deb" 2>&1 | grep -E '^[EW]:')
    echo "$out"
    [ -z "$out" ]
}
appstream_valid() { appstreamcli validate --no-net "$src/packaging/org.kivo.Kivo.metainfo.xml"; }
desktop_valid() { desktop-file-validate "$src/packaging/kivo.desktop"; }

# Installs the package on this machine, starts it under a private X server, and removes it.
installs_and_starts() {
    apt-get install -y --no-install-recommends "$deb" >/dev/null || return 1
    local display=:71 ok=1
    Xvfb $display -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    local xvfb=$!
    sleep 1
    DISPLAY=$display /usr/games/kivo &
    local game=$!
    for _ in $(seq 1 50); do
        if grep -q '"Kivo"' <<<"$(DISPLAY=$display xwininfo -root -tree 2>/dev/null)"; then ok=0; break; fi
        sleep 0.1
    done
    kill -0 "$game" 2>/dev/null || ok=1
    kill "$game" "$xvfb" 2>/dev/null
    wait "$game" "$xvfb" 2>/dev/null
    apt-get remove -y kivo >/dev/null
    return $ok
}

check "executable is position-independent" pie
check "executable has full RELRO" relro
check "executable has a non-executable stack" nx_stack
check "executable has the stack protector" stack_protector
check "our code is built with _FORTIFY_SOURCE=2" fortified
check "package is kivo 1.00 with computed dependencies" package_fields
check "package holds the game, its menu entry, icon and metainfo" package_contents
check "lintian finds no error or warning" lintian_clean
check "AppStream metainfo validates" appstream_valid
check "desktop entry validates" desktop_valid
if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null; then
    check "package installs and starts" installs_and_starts
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
