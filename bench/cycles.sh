#!/usr/bin/env bash
# Memory across games: kivo in a private X server, driven with real clicks from the board
# through "Cancel", "Restart", "Ok" and "GO" back to a new board, again and again. After
# each cycle, once the new board is up and has settled, kivo's resident memory is printed,
# and how far it lies from where it was after the first cycle.
# Usage: cycles.sh [cycles=30] [build-folder=build/bench] [WxH=1280x800]
# Needs: Xvfb, xdotool, and the build's kivo and pixelwait.
# Card sizes travel as words ("w h"), split on purpose:
# shellcheck disable=SC2086
set -euo pipefail
cd "$(dirname "$0")/.."

CYCLES=${1:-30}
BUILD=${2:-build/bench}
SIZE=${3:-1280x800}
[[ "$SIZE" =~ ^([0-9]+)x([0-9]+)$ ]] || { echo "screen size '$SIZE' is not WxH" >&2; exit 2; }
SCREEN_W=${BASH_REMATCH[1]} SCREEN_H=${BASH_REMATCH[2]}
KIVO=$BUILD/app/kivo
PIXELWAIT=$BUILD/bench/pixelwait
for f in "$KIVO" "$PIXELWAIT"; do
    [ -x "$f" ] || { echo "missing $f: build with -DKIVO_BENCH=ON first" >&2; exit 1; }
done
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
done
# shellcheck source=bench/screen.sh
source bench/screen.sh

END="678 261"         # the end card
BORDER=01396b         # the end card's border, 0x006B3901
SETTLE=1              # seconds on each new board before its memory is read

read -r CARD_X CARD_Y < <(card_at $SPLASH)
read -r SETUP_X SETUP_Y < <(card_at $SETUP)
read -r OK_X OK_Y < <(twips_point $SETUP 720 2640 1215 495)
read -r GO_X GO_Y < <(twips_point $SETUP 720 3360 1215 495)
read -r SQ1_X SQ1_Y < <(twips_point $BOARD 3480 8160 795 750 0.1 0.5)
read -r CANCEL_X CANCEL_Y < <(twips_point $BOARD 120 8280 975 615)
# The end card is known by its border, 4 pixels wide at design size: 2 px in from its top.
read -r BORDER_X BORDER_Y < <(twips_point $END 120 120 9975 3735 0.5 0)
read -r RESTART_X RESTART_Y < <(twips_point $END 5160 2520 2055 615)

wait_for() {  # x y colour what
    "$PIXELWAIT" "$1" "$2" "$3" 10000 >/dev/null || { echo "$4 did not come up" >&2; exit 1; }
}
click() { xdotool mousemove "$1" "$2" click 1; }

# From the set-up card as it opens to the board: "Ok", then "GO" once it shows.
setup_to_board() {
    wait_for $((SETUP_X + 3)) $((SETUP_Y + 3)) "$PALE" "the set-up card"
    sleep 0.3
    click "$OK_X" "$OK_Y"
    sleep 0.3
    click "$GO_X" "$GO_Y"
    wait_for "$SQ1_X" "$SQ1_Y" "$SQUARE1" "the board"
    xdotool mousemove 0 0   # nothing under the pointer to hover
    sleep "$SETTLE"
}

start_x
"$KIVO" >"$WORK/kivo.log" 2>&1 &
APP_PID=$!
wait_for $((CARD_X + 3)) $((CARD_Y + 3)) "$PALE" "the title card"
sleep 0.3
xdotool key space
setup_to_board
read -r RSS0 _ < <(memory_kib "$APP_PID")
echo "display $DISPLAY ${SCREEN_W}x${SCREEN_H}, scale $S, load average $(cut -d' ' -f1-3 /proc/loadavg)"
printf 'first board:  resident %6d KiB\n' "$RSS0"

for i in $(seq "$CYCLES"); do
    click "$CANCEL_X" "$CANCEL_Y"
    wait_for "$BORDER_X" $((BORDER_Y + 2)) "$BORDER" "the end card"
    sleep 0.3
    click "$RESTART_X" "$RESTART_Y"
    setup_to_board
    read -r rss peak < <(memory_kib "$APP_PID")
    [ "$i" -eq 1 ] && FIRST=$rss
    printf 'cycle %3d:    resident %6d KiB  (%+6d KiB from after the first cycle; peak %6d KiB)\n' \
        "$i" "$rss" $((rss - FIRST)) "$peak"
done
echo "after $CYCLES cycles: $((rss - FIRST)) KiB from after the first (goal within 2048), load average $(cut -d' ' -f1-3 /proc/loadavg)"
