#!/usr/bin/env bash
# Plays Kivo from start to "Exit" in a private X server, with real clicks and keys, the
# way players at one screen would: splash, set-up for four, two turns, "Cancel",
# "Restart", a game for two, "Cancel" and "Exit".
# Usage: e2e.sh path/to/kivo screens-folder
# Every step leaves a screenshot in the screens folder.
# Rectangles travel as the four words "x y w h", split on purpose:
# shellcheck disable=SC2046,SC2086
set -u

KIVO=${1:?path to kivo}
SCREENS=${2:?folder for screenshots}
SCREEN_W=1280 SCREEN_H=800
BACKGROUND='srgb(128,64,64)'   # the backdrop and the board, 0x00404080
PALE='srgb(255,224,192)'       # splash and set-up ground, 0x00C0E0FF

mkdir -p "$SCREENS" && rm -f "$SCREENS"/*.png "$SCREENS"/kivo.log
XVFB_PID="" KIVO_PID="" LAST_SHOT="(none)" STEP=0

cleanup() {
    [ -n "$KIVO_PID" ] && kill "$KIVO_PID" 2>/dev/null && wait "$KIVO_PID"
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID"
    [ -n "${XDG_RUNTIME_DIR:-}" ] && rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT

log() { printf '[%5.1fs] %s\n' "$(($(date +%s%N) / 1000000 - T0))e-3" "$*"; }
T0=$(($(date +%s%N) / 1000000))

fail() {
    echo "FAIL: $*" >&2
    echo "--- mapped windows (id, geometry, title), front first:" >&2
    windows >&2
    echo "--- last screenshot: $LAST_SHOT" >&2
    [ -s "$SCREENS/kivo.log" ] && { echo "--- kivo's output:" >&2; tail -20 "$SCREENS/kivo.log" >&2; }
    exit 1
}

# --- The X server -----------------------------------------------------------------------

start_x() {
    local d i
    for d in 90 91 92 93 94 95 96 97 98 99; do
        [ -e "/tmp/.X$d-lock" ] || [ -e "/tmp/.X11-unix/X$d" ] && continue
        Xvfb ":$d" -nolisten tcp -screen 0 "${SCREEN_W}x${SCREEN_H}x24" >/dev/null 2>&1 &
        XVFB_PID=$!
        for i in $(seq 50); do
            kill -0 "$XVFB_PID" 2>/dev/null || break
            if xdpyinfo -display ":$d" >/dev/null 2>&1; then export DISPLAY=":$d"; return 0; fi
            sleep 0.1
        done
        kill "$XVFB_PID" 2>/dev/null; XVFB_PID=""
    done
    fail "no free display in :90..:99 for Xvfb"
}

# --- Windows ----------------------------------------------------------------------------

# One line per mapped top-level window, front first: "id WxH+X+Y title".
windows() {
    local id
    for id in $(xwininfo -root -children | awk '/^ +0x/ { print $1 }'); do
        xwininfo -id "$id" 2>/dev/null | awk -v id="$id" '
            /^xwininfo: Window id:/ { t = ""; if (index($0, "\"")) { t = $0; sub(/^[^"]*"/, "", t); sub(/"$/, "", t) } }
            /Absolute upper-left X/ { x = $4 }  /Absolute upper-left Y/ { y = $4 }
            /  Width:/ { w = $2 }  /  Height:/ { h = $2 }  /Map State:/ { m = $3 }
            END { if (m == "IsViewable") printf "%s %dx%d+%d+%d %s\n", id, w, h, x, y, t }'
    done
}

# A message box is any other mapped window: it carries the box's title.
BOX_PATTERN='^0x[0-9a-f]+ [0-9]+x[0-9]+\+[0-9]+\+[0-9]+ (Form[134]|kivo|Qt Selection Owner for kivo)?$'
message_box() { windows | grep -Ev "$BOX_PATTERN" | grep -v ' 1x1+' | head -1; }

# wait_for_window what regexp seconds: sets WIN_X WIN_Y WIN_W WIN_H of the first match.
wait_for_window() {
    local line i
    for i in $(seq $(($3 * 10))); do
        line=$(windows | grep -E "$2" | head -1)
        if [ -n "$line" ]; then
            read -r WIN_X WIN_Y WIN_W WIN_H < <(echo "$line" | awk '{ split($2, g, /[x+]/); print g[3], g[4], g[1], g[2] }')
            sleep 0.3   # let it draw before anyone looks at it or clicks on it
            return 0
        fi
        sleep 0.1
    done
    fail "the $1 did not appear within $3 s"
}

wait_gone() {
    local i
    for i in $(seq $(($3 * 10))); do
        windows | grep -Eq "$2" || return 0
        sleep 0.1
    done
    fail "the $1 is still on the screen after $3 s"
}

expect_centred() {
    local dx=$((WIN_X - (SCREEN_W - WIN_W) / 2)) dy=$((WIN_Y - (SCREEN_H - WIN_H) / 2))
    if [ "${dx#-}" -gt 1 ] || [ "${dy#-}" -gt 1 ]; then fail "the $1 at $WIN_X,$WIN_Y is not centred"; fi
}

# Dismisses with Return every message box that shows up within the given tenths of a
# second of the last one; the boxes' titles collect in BOXES.
BOXES=() WIDTH=()
dismiss_boxes() {
    local box i title
    while :; do
        box=""
        for i in $(seq "$1"); do box=$(message_box); [ -n "$box" ] && break; sleep 0.1; done
        [ -z "$box" ] && return 0
        title=${box#* * }
        sleep 0.2
        shot "box-${title// /-}"
        BOXES+=("$title")
        log "message box \"$title\": Return"
        xdotool key Return
        wait_gone "message box \"$title\"" "^${box%% *} " 3
    done
}

# --- Screen and input -------------------------------------------------------------------

shot() {
    STEP=$((STEP + 1))
    LAST_SHOT=$(printf '%s/%02d-%s.png' "$SCREENS" "$STEP" "$1")
    import -window root "$LAST_SHOT" || fail "no screenshot"
}

pixel() { convert "$LAST_SHOT" -format "%[pixel:p{$1,$2}]" info:; }

expect_pixel() {  # x y colour what
    local got
    got=$(pixel "$1" "$2")
    [ "$got" = "$3" ] || fail "$4: pixel $1,$2 is $got, not $3 (in $LAST_SHOT)"
}

# Pixels of one kind in a rectangle of the last shot, in pixels: "count minx maxx".
measure() {  # kind x y w h
    convert "$LAST_SHOT" -crop "$4x$5+$2+$3" +repage -depth 8 rgb:- | od -An -v -tu1 -w3 |
        awk -v kind="$1" -v w="$4" -v x0="$2" '
            function is(r, g, b) {
                if (kind == "green") return g >= 100 && r <= 60 && b <= 60
                if (kind == "red")   return r >= 150 && g <= 60 && b <= 60
                if (kind == "blue")  return b >= 150 && r <= 60 && g <= 110
                if (kind == "navy")  return r == 0 && g == 0 && b == 64
                if (kind == "text")  return r >= 200 && g >= 170 && b >= 130 && r - b >= 30
                if (kind == "ink")   return !(r == 128 && g == 64 && b == 64)
            }
            is($1, $2, $3) { x = x0 + (NR - 1) % w; n++; if (n == 1 || x < lo) lo = x; if (x > hi) hi = x }
            END { print n + 0, lo + 0, hi + 0 }'
}
count() { measure "$@" | cut -d' ' -f1; }

# The squares (1..100) on which the board shows at least 20 pixels of the green figure.
green_squares() {
    convert "$LAST_SHOT" -crop 558x554+232+40 +repage -depth 8 rgb:- | od -An -v -tu1 -w3 |
        awk '
            BEGIN { for (n = 1; n <= 100; n++) { r = int((n - 1) / 10); c = (n - 1) % 10
                        T[n] = 8160 - 840 * r; L[n] = 3480 + 840 * (r % 2 ? 9 - c : c) } }
            $2 >= 100 && $1 <= 60 && $3 <= 60 {
                x = (232 + (NR - 1) % 558) * 15; y = (40 + int((NR - 1) / 558)) * 15
                for (n = 1; n <= 100; n++)
                    if (x >= L[n] && x < L[n] + 795 && y >= T[n] && y < T[n] + 750) hits[n]++ }
            END { for (n = 1; n <= 100; n++) if (hits[n] >= 20) printf "%d ", n }'
}

# A square's rectangle in pixels: "x y w h".
square_rect() {
    local r=$((($1 - 1) / 10)) c=$((($1 - 1) % 10))
    [ $((r % 2)) -eq 1 ] && c=$((9 - c))
    echo $(((3480 + 840 * c) / 15)) $(((8160 - 840 * r) / 15)) 53 50
}

# Clicks the middle of a control given in twips, relative to the window found last.
click_twips() {  # left top width height
    xdotool mousemove $((WIN_X + ($1 + $3 / 2) / 15)) $((WIN_Y + ($2 + $4 / 2) / 15)) click 1
    sleep 0.2
}

START_SPOT="180 544 50 52"      # the start pad left of square 1, where tokens wait (pixels)
name_row() { echo 90 $((70 + 40 * $1)) 140 28; }       # player name Lp(i)
pointer_row() { echo 14 $((62 + 40 * $1)) 38 38; }     # turn pointer level with row i

# --- The game ---------------------------------------------------------------------------

# Whoever's turn it is throws; with "Move" focused after the throw, Return walks the token.
throw_and_walk() {  # how: click|space
    if [ "$1" = click ]; then click_twips 120 7560 975 615; else xdotool key space; fi
    dismiss_boxes 10
    shot "rolled"
    [ "$(pixel 106 482)" = 'srgb(192,192,192)' ] || fail "no die face shows after the throw"
    xdotool key Return
}

# Waits (bounded: 12 squares at 300 ms and the messages) until the turn pointer has moved
# on from the player list's row "from" to the next row.
wait_for_turn() {  # from
    local i
    for i in $(seq 40); do
        dismiss_boxes 2
        shot "walking"
        windows | grep -q ' Form1$' || fail "the board closed during the walk"
        [ "$(count ink $(pointer_row $(($1 + 1))))" -gt 20 ] &&
            [ "$(count ink $(pointer_row "$1"))" -eq 0 ] && return 0
    done
    fail "the turn did not pass from row $1 of the player list to the next"
}

# Checks that the player list shows a name on the first "players" rows and nothing below;
# WIDTH gets the width of each name in pixels.
names_on_board() {  # players
    local i m
    for i in 0 1 2 3; do
        read -r -a m < <(measure text $(name_row $i))
        if [ "$i" -lt "$1" ]; then
            [ "${m[0]}" -gt 20 ] || fail "no name on row $i of the player list"
            WIDTH[i]=$((m[2] - m[1]))
        else
            [ "${m[0]}" -eq 0 ] || fail "row $i of the player list shows a name in a game of $1"
        fi
    done
}

start_x
export XDG_RUNTIME_DIR; XDG_RUNTIME_DIR=$(mktemp -d)
log "X server on $DISPLAY"

"$KIVO" >"$SCREENS/kivo.log" 2>&1 &
KIVO_PID=$!

# Start: the backdrop, and the splash in its middle.
wait_for_window "backdrop" " ${SCREEN_W}x${SCREEN_H}\+0\+0 Form3$" 10
wait_for_window "splash" " 351x218\+[0-9]+\+[0-9]+ Form3$" 10
shot splash
for corner in "5 5" "$((SCREEN_W - 6)) 5" "5 $((SCREEN_H - 6))" "$((SCREEN_W - 6)) $((SCREEN_H - 6))"; do
    expect_pixel $corner "$BACKGROUND" "backdrop"
done
expect_centred splash
expect_pixel $((WIN_X + 4)) $((WIN_Y + 4)) "$PALE" "splash margin"
[ "$(count ink $((WIN_X + 10)) $((WIN_Y + 10)) $((WIN_W - 20)) $((WIN_H - 20)))" -gt 1000 ] ||
    fail "the splash is not in front of the backdrop"
log "splash up"

# Any key leaves the splash for the set-up window.
xdotool key x
wait_gone "splash" " 351x218\+" 5
wait_for_window "set-up window" " 358x387\+" 5
shot setup
expect_centred "set-up window"
log "set-up window up at $WIN_X,$WIN_Y"

# Four players. After "Ok" the whole first name is selected, so typing replaces it.
click_twips $((480 + 120)) $((1080 + 1080)) 975 375       # "Four"
click_twips $((480 + 240)) $((1080 + 1560)) 1215 495      # "Ok"
sleep 0.3
shot names-open
xdotool type --delay 50 Ann
for entry in "1320 Bob" "2040 Cy" "2880 Dee"; do
    set -- $entry
    click_twips $((2640 + 240)) $((1080 + $1)) 1335 375
    xdotool key ctrl+a
    xdotool type --delay 50 "$2"
done
shot names-typed
click_twips 720 3360 1215 495                            # "GO"
wait_gone "set-up window" " 358x387\+" 5
wait_for_window "board" " ${SCREEN_W}x${SCREEN_H}\+0\+0 Form1$" 5
shot board
names_on_board 4
SHORT_NAMES=("${WIDTH[@]}")
[ "$(count green $START_SPOT)" -ge 20 ] || fail "the first token is not on the start pad"
[ "$(count ink $(pointer_row 0))" -gt 20 ] || fail "the turn pointer is not at the first player"
log "board up with four names"

# Ann throws (a click) and walks (Return on the focused "Move").
throw_and_walk click
sleep 0.1
xdotool key space   # a stray key while the token walks: no button has the focus, not "Cancel"
wait_for_turn 0
shot "ann-walked"
[ "$(count green $START_SPOT)" -eq 0 ] || fail "the green token is still on the start pad after its walk"
[ "$(count red $START_SPOT)" -ge 20 ] || fail "the second token does not wait on the start pad"
landed=$(green_squares); landed=${landed% }
case " $landed " in
    " 1 " | " 2 " | " 3 " | " 4 " | " 5 " | " 6 " | " 8 " | " 9 " | " 10 " | " 11 " | " 26 ") ;;
    *) fail "after one throw the green token shows on squares '$landed'; expected one of 1-6, 8-11, 26" ;;
esac
[ "$(count navy $(square_rect "$landed"))" -lt 10 ] ||
    fail "the token on square $landed keeps its dark ground instead of the square's colour"
log "Ann's token on square $landed; Bob to move"

# Bob uses the keyboard only: Space on "Shuffle" (focused after a walk), Return on "Move".
throw_and_walk space
wait_for_turn 1
shot "bob-walked"
# Cy's token waits on the pad, unless Bob's landing sent Ann's back there on top of it.
[ "$(count red $START_SPOT)" -eq 0 ] || fail "the red token is still on the start pad after its walk"
[ "$(count blue $START_SPOT)" -ge 20 ] || [ "$(count green $START_SPOT)" -ge 20 ] ||
    fail "no token waits on the start pad for the third player"
log "Bob moved; Cy to move; message boxes so far: ${BOXES[*]:-none}"

# "Cancel" abandons the game for the end window; "Restart" brings back the set-up.
click_twips 120 8280 975 615
wait_gone "board" " Form1$" 5
wait_for_window "end window" " 678x261\+[0-9]+\+[0-9]+ Form4$" 5
shot end-window
expect_centred "end window"
click_twips 5160 2520 2055 615                            # "Restart"
wait_gone "end window" " Form4$" 5
wait_for_window "set-up window" " 358x387\+" 5
shot setup-again
log "restarted"

# Two players with the names the set-up window starts with.
click_twips $((480 + 240)) $((1080 + 1560)) 1215 495      # "Ok"
sleep 0.3
click_twips 720 3360 1215 495                            # "GO"
wait_for_window "board" " ${SCREEN_W}x${SCREEN_H}\+0\+0 Form1$" 5
shot board-for-two
names_on_board 2
for i in 0 1; do
    [ "${WIDTH[$i]}" -gt "${SHORT_NAMES[$i]}" ] ||
        fail "row $i shows a name no wider than the last game's typed one: the set-up was not fresh"
done
log "board up for two"

# "Cancel", then "Exit": the program ends, cleanly.
click_twips 120 8280 975 615
wait_for_window "end window" " 678x261\+[0-9]+\+[0-9]+ Form4$" 5
shot end-window-again
click_twips 2520 2520 2055 615                            # "Exit"
for i in $(seq 50); do kill -0 "$KIVO_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$KIVO_PID" 2>/dev/null && fail "kivo is still running 5 s after \"Exit\""
wait "$KIVO_PID"; status=$?
KIVO_PID=""
shot after-exit
[ "$status" -eq 0 ] || fail "kivo ended with status $status after \"Exit\""
windows | grep -qv ' 1x1+' && fail "windows are left on the screen after \"Exit\""
[ "$(pixel 640 400)" != "$BACKGROUND" ] || fail "the backdrop is still drawn after \"Exit\""
log "passed; screenshots in $SCREENS"
