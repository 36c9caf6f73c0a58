#!/usr/bin/env bash
# Checks the Debian packages that scripts/package.sh built: the hardened executable, the
# packages and their contents, lintian on the source and binary packages, then, as root, the
# package's own tests (debian/tests) on it installed. Usage: check.sh PACKAGE_DIR
set -uo pipefail
pkgs=$(cd "$1" && pwd)
src=$(cd "$(dirname "$0")/../.." && pwd)
version=$(cd "$src" && dpkg-parsechangelog --show-field Version)
arch=$(dpkg --print-architecture)
deb="$pkgs/kivo_${version}_$arch.deb"
dbgsym="$pkgs/kivo-dbgsym_${version}_$arch.deb"
changes="$pkgs/kivo_${version}_$arch.changes"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree" || { echo "FAIL cannot unpack $deb"; exit 1; }
exe="$tree/usr/games/kivo"
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
        printf '%s\n' "$out" | sed 's/^/     /' | head -n 30
        return 1
    fi
}

# PIE, stack protector, RELRO and immediate binding. Fortify is looked for below instead: the
# game calls no libc function whose fortified form the compiler could pick, and hardening-check
# takes that for missing fortification. Debian 12's dpkg-buildflags has no control-flow
# protection to give.
hardened() { hardening-check --nofortify --nocfprotection "$exe"; }
# What hardening-check does not look at: the stack is not executable...
nx_stack() { grep GNU_STACK <<<"$(readelf -lW "$exe")" | grep -qv RWE; }
# ... and every one of our objects was compiled with fortified library calls.
fortified() {
    python3 - "$pkgs"/kivo-*/obj-*/compile_commands.json <<'PY'
import json, sys
missing = [c["file"] for c in json.load(open(sys.argv[1]))
           if "/tests/" not in c["file"] and "-D_FORTIFY_SOURCE=2" not in c["command"]]
print("\n".join(missing))
sys.exit(1 if missing else 0)
PY
}
package_fields() {
    [ "$(dpkg-deb -f "$deb" Package)" = kivo ] && [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] &&
        grep -q 'libqt6widgets6.*libqt6svg6\|libqt6svg6.*libqt6widgets6' <<<"$(dpkg-deb -f "$deb" Depends)"
}
# The debugging symbols of the very executable in the package, by its build ID.
debug_symbols() {
    local id
    id=$(readelf -n "$exe" | sed -n 's/^ *Build ID: *//p')
    [ -n "$id" ] || { echo "no build ID"; return 1; }
    [ "$(dpkg-deb -f "$dbgsym" Package)" = kivo-dbgsym ] &&
        grep -q " ./usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug\$" <<<"$(dpkg-deb -c "$dbgsym")"
}
package_contents() {
    local f
    for f in usr/games/kivo usr/share/applications/org.kivo.Kivo.desktop \
        usr/share/metainfo/org.kivo.Kivo.metainfo.xml usr/share/man/man6/kivo.6.gz \
        usr/share/doc/kivo/copyright \
        usr/share/icons/hicolor/scalable/apps/org.kivo.Kivo.svg; do
        [ -f "$tree/$f" ] || { echo "missing /$f"; return 1; }
    done
}
# Each PNG icon is drawn at the size its folder names.
icon_sizes() {
    local size got
    for size in 16 22 24 32 48 64 128 256; do
        got=$(identify -format '%wx%h' "$tree/usr/share/icons/hicolor/${size}x$size/apps/org.kivo.Kivo.png") || return 1
        [ "$got" = "${size}x$size" ] || { echo "the ${size}x$size icon is $got"; return 1; }
    done
}
# The small icons have pictures of their own on the pixel grid: no pixel is partly covered.
crisp_icons() {
    local size partial
    for size in 16 22; do
        partial=$(convert "$tree/usr/share/icons/hicolor/${size}x$size/apps/org.kivo.Kivo.png" \
            -alpha extract -fx 'u > 0 && u < 1' -format '%[fx:round(mean * w * h)]' info:) || return 1
        [ "$partial" = 0 ] || { echo "the ${size}x$size icon has $partial partly covered pixels"; return 1; }
    done
}
manual_sections() {
    local page
    page=$(MANWIDTH=80 man -l "$tree/usr/share/man/man6/kivo.6.gz" 2>&1)
    grep -q '^KEYS' <<<"$page" && grep -q '^SEE ALSO' <<<"$page" &&
        [ -z "$(LC_ALL=C.UTF-8 man --warnings -l -Tutf8 -Z "$tree/usr/share/man/man6/kivo.6.gz" 2>&1 >/dev/null)" ]
}
# The manual page sends readers to the players' guide, which the package holds; the developers'
# README is not installed.
see_also() {
    local doc
    doc=$(zcat "$tree/usr/share/man/man6/kivo.6.gz" | sed -n '/^\.SH SEE ALSO/,$p' | grep -o '/usr/[^ ]*')
    [ -f "$tree$doc" ] || { echo "SEE ALSO names '$doc', not in the package"; return 1; }
    [ ! -e "$tree/usr/share/doc/kivo/README.md" ] || { echo "the developers' README is installed"; return 1; }
}
lintian_clean() {  # the .changes names the source package and both binary ones
    [ -f "$pkgs/kivo_$version.dsc" ] || { echo "no source package"; return 1; }
    lintian --pedantic -E -I --fail-on error,warning "$changes"
}

# The package's own tests, on it installed on this machine.
installed_tests() {
    local status=0 t
    for t in metadata smoke; do
        (cd "$src" && "debian/tests/$t") || { echo "debian/tests/$t failed"; status=1; }
    done
    return $status
}

# Runs a command until it succeeds, for at most the given seconds: the machine may be loaded.
poll() {  # seconds command...
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.2
    done
}

# Succeeds once a process shows a window, or has ended.
shows_or_ended() {  # pid
    ! kill -0 "$1" 2>/dev/null || [ -n "$(xdotool search --onlyvisible --pid "$1" 2>/dev/null)" ]
}

# Desktops tell the game's windows by their WM_CLASS, whose class must be the menu entry's
# StartupWMClass, and show the board's icon from the window at the sizes task bars and
# switchers use. The installed game runs in an X server of its own, started as a launcher
# starts it, with a startup notification id.
wm_class() (
    entry=/usr/share/applications/org.kivo.Kivo.desktop
    want=$(sed -n 's/^StartupWMClass=//p' "$entry")
    [ -n "$want" ] || { echo "$entry has no StartupWMClass"; exit 1; }
    run=$(mktemp -d)
    xvfb="" game=""
    trap '[ -z "$game" ] || kill "$game"; [ -z "$xvfb" ] || kill "$xvfb"; rm -rf "$run"' EXIT
    # Xvfb picks a free display and writes its number once it takes clients.
    : >"$run/display"
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x800x24 3>"$run/display" >"$run/xvfb.log" 2>&1 &
    xvfb=$!
    poll 60 grep -q . "$run/display" || { echo "Xvfb did not start"; cat "$run/xvfb.log"; exit 1; }
    DISPLAY=":$(cat "$run/display")"
    export DISPLAY
    DESKTOP_STARTUP_ID="check-$$_TIME0" /usr/games/kivo >"$run/kivo.log" 2>&1 &
    game=$!
    poll 60 shows_or_ended "$game" || { echo "no window of the game after 60 s"; cat "$run/kivo.log"; exit 1; }
    kill -0 "$game" 2>/dev/null || { echo "the game ended"; cat "$run/kivo.log"; exit 1; }
    for w in $(xdotool search --onlyvisible --pid "$game"); do
        got=$(xprop -id "$w" -notype WM_CLASS | sed -n 's/^WM_CLASS = "[^"]*", "\(.*\)"$/\1/p')
        [ "$got" = "$want" ] || { echo "window $w has the class '$got', the menu entry '$want'"; exit 1; }
        icons=$(xprop -id "$w" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr -dc '0-9x \n' | xargs)
        [ "$icons" = "16 x 16 24 x 24 32 x 32 48 x 48 64 x 64" ] ||
            { echo "window $w carries the icons '$icons'"; exit 1; }
    done
)

check "executable is hardened (hardening-check)" hardened
check "executable has a non-executable stack" nx_stack
check "our code is built with _FORTIFY_SOURCE=2" fortified
check "package is kivo $version with computed dependencies" package_fields
check "kivo-dbgsym holds the executable's debugging symbols" debug_symbols
check "package holds the game, menu entry, metainfo, manual, icons" package_contents
check "icons are drawn at their sizes" icon_sizes
check "the 16- and 22-pixel icons lie on the pixel grid" crisp_icons
check "manual page has KEYS and SEE ALSO, and man has no warning" manual_sections
check "manual page sends readers to the players' guide in the package" see_also
check "lintian finds no error or warning in the source and binary packages" lintian_clean
# The checks of the package installed on this machine; it is removed again afterwards.
if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null; then
    if check "package installs" apt-get install -y --no-install-recommends "$deb"; then
        check "its tests pass (debian/tests)" installed_tests
        check "the game's window has the menu entry's StartupWMClass as WM_CLASS, and its icon" wm_class
        apt-get purge -y kivo >/dev/null 2>&1
    fi
else
    echo "skip package installs, its tests, the game's WM_CLASS: needs root"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
