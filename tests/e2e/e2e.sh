#!/usr/bin/env bash
# Plays Kivo from start to "Exit" in a private X server, with real clicks and keys, the
# way players at one screen would: splash (and a click on the stage beside it), set-up for
# four ("GO" first with the first name empty, for its message box), two turns, "Cancel",
# "Restart", a game for two, "Cancel" and "Exit". Cards are found and checked by their
# pixels, where the screen's scale puts them.
# Usage: e2e.sh path/to/kivo screens-folder [WxH] [openbox]
# The screen is 1280x800 unless given. With "openbox" the game runs under that window
# manager, and the stage is minimised and restored while the message box is open.
# Every step leaves a screenshot in the screens folder; waiting for something retakes the
# step's own screenshot.
# Rectangles and points travel as words ("x y w h", "x y"), split on purpose:
# shellcheck disable=SC2046,SC2086
set -u

KIVO=${1:?path to kivo}
SCREENS=${2:?folder for screenshots}
SIZE=${3:-1280x800}
WM=${4:-}
[[ "$SIZE" =~ ^([0-9]+)x([0-9]+)$ ]] || { echo "screen size '$SIZE' is not WxH" >&2; exit 2; }
SCREEN_W=${BASH_REMATCH[1]} SCREEN_H=${BASH_REMATCH[2]}
case "$WM" in "" | openbox) ;; *) echo "unknown window manager '$WM'" >&2; exit 2 ;; esac
BACKGROUND='srgb(128,64,64)'   # the stage, the backdrop and the board, 0x00404080
PALE='srgb(255,224,192)'       # splash and set-up ground, 0x00C0E0FF
SILVER='srgb(192,192,192)'     # the die's face

# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
mkdir -p "$SCREENS" && rm -f "$SCREENS"/*.png "$SCREENS"/kivo.log "$SCREENS"/openbox.log

fail() {
    echo "FAIL: $*" >&2
    echo "--- mapped windows (id, geometry, title):" >&2
    windows >&2
    echo "--- last screenshot: $LAST_SHOT" >&2
    [ -s "$SCREENS/kivo.log" ] && { echo "--- kivo's output:" >&2; tail -20 "$SCREENS/kivo.log" >&2; }
    [ -s "$SCREENS/openbox.log" ] && { echo "--- openbox's output:" >&2; tail -8 "$SCREENS/openbox.log" >&2; }
    exit 1
}

for tool in Xvfb xdotool import convert compare xdpyinfo xwininfo xprop ${WM:+"$WM"}; do
    command -v "$tool" >/dev/null || fail "$tool is missing (packages xvfb xdotool imagemagick x11-utils x11-xserver-utils ${WM})"
done

# A board square on the screen: "x y w h".
square_rect() { twips_rect $BOARD $(square_twips "$1"); }

# --- The X server and the window manager ------------------------------------------------

# Openbox with its own settings, none of the user's: one desktop, no iconify animation (a
# screenshot must show the finished picture), new windows focused.
start_openbox() {
    local i
    cat >"$RUN_DIR/rc.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <placement><policy>Smart</policy></placement>
  <theme><animateIconify>no</animateIconify></theme>
  <desktops><number>1</number></desktops>
  <margins><top>0</top><bottom>0</bottom><left>0</left><right>0</right></margins>
</openbox_config>
EOF
    XDG_CONFIG_HOME="$RUN_DIR" XDG_CACHE_HOME="$RUN_DIR" \
        openbox --sm-disable --config-file "$RUN_DIR/rc.xml" >"$SCREENS/openbox.log" 2>&1 </dev/null &
    WM_PID=$!
    for i in $(seq 100); do
        kill -0 "$WM_PID" 2>/dev/null || { wait "$WM_PID"; fail "openbox ended at start with status $?"; }
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    fail "openbox did not take the screen within 10 s"
}

# --- Windows ----------------------------------------------------------------------------

# One line per viewable window that has a title (a window manager's frames have none):
# "id WxH+X+Y title".
windows() {
    local id
    for id in $(xwininfo -root -tree 2>/dev/null | awk '/^ +0x[0-9a-f]+ "/ { print $1 }'); do
        xwininfo -id "$id" 2>/dev/null | awk -v id="$id" '
            /^xwininfo: Window id:/ { t = ""; if (index($0, "\"")) { t = $0; sub(/^[^"]*"/, "", t); sub(/"$/, "", t) } }
            /Absolute upper-left X/ { x = $4 }  /Absolute upper-left Y/ { y = $4 }
            /  Width:/ { w = $2 }  /  Height:/ { h = $2 }  /Map State:/ { m = $3 }
            END { if (m == "IsViewable") printf "%s %dx%d+%d+%d %s\n", id, w, h, x, y, t }'
    done
}

# Map state of one window: IsViewable, IsUnviewable (a parent is unmapped) or IsUnMapped.
map_state() { xwininfo -id "$1" 2>/dev/null | awk '/Map State:/ { print $3 }'; }

# A message box is any other titled window: not the stage, not Qt's helpers, not the
# window manager's own.
BOX_PATTERN='^0x[0-9a-f]+ [0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+ (Kivo|kivo|Qt Selection Owner for kivo|Openbox)?$'
message_box() { windows | grep -Ev "$BOX_PATTERN" | grep -Ev ' [13]x[13]\+' | head -1; }

# Waits for the stage, full screen; sets STAGE to its window id.
wait_for_stage() {  # seconds
    local i line
    for i in $(seq $(($1 * 10))); do
        line=$(windows | grep -E "^0x[0-9a-f]+ ${SCREEN_W}x${SCREEN_H}\+0\+0 Kivo$" | head -1)
        [ -n "$line" ] && { STAGE=${line%% *}; return 0; }
        sleep 0.1
    done
    fail "no full-screen window titled \"Kivo\" within $1 s"
}

wait_gone() {  # what id seconds
    local i
    for i in $(seq $(($3 * 10))); do
        [ "$(map_state "$2")" = IsViewable ] || return 0
        sleep 0.1
    done
    fail "the $1 is still on the screen after $3 s"
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
        wait_gone "message box \"$title\"" "${box%% *}" 3
    done
}

# --- Screen and input -------------------------------------------------------------------

shot_to() {
    LAST_SHOT=$1
    timeout 10 import -window root "$LAST_SHOT" || fail "no screenshot"
}

# A new step's screenshot; waiting for something overwrites the step's own file.
shot() {
    STEP=$((STEP + 1))
    SHOT_NAME=$(printf '%s/%02d-%s.png' "$SCREENS" "$STEP" "$1")
    shot_to "$SHOT_NAME"
}
reshoot() { shot_to "$SHOT_NAME"; }

# Pixels of one kind in a rectangle of the last shot: "count minx maxx miny maxy".
measure() {  # kind x y w h
    convert "$LAST_SHOT" -crop "$4x$5+$2+$3" +repage -depth 8 rgb:- | od -An -v -tu1 -w3 |
        awk -v kind="$1" -v w="$4" -v x0="$2" -v y0="$3" '
            function is(r, g, b) {
                if (kind == "green")  return g >= 100 && r <= 60 && b <= 60
                if (kind == "red")    return r >= 150 && g <= 60 && b <= 60
                if (kind == "blue")   return b >= 150 && r <= 60 && g <= 110
                if (kind == "navy")   return r == 0 && g == 0 && b == 64
                if (kind == "text")   return r >= 200 && g >= 170 && b >= 130 && r - b >= 30
                if (kind == "yellow") return r >= 200 && g >= 180 && b <= 100
                if (kind == "grey")   return r == g && g == b && r >= 40 && r <= 110
                if (kind == "ink")    return !(r == 128 && g == 64 && b == 64)
                if (kind ~ /^=/)      return kind == "=" r "," g "," b
            }
            is($1, $2, $3) { x = x0 + (NR - 1) % w; y = y0 + int((NR - 1) / w); n++
                             if (n == 1) { lo = hi = x; top = bot = y }
                             if (x < lo) lo = x; if (x > hi) hi = x; if (y < top) top = y; if (y > bot) bot = y }
            END { print n + 0, lo + 0, hi + 0, top + 0, bot + 0 }'
}
count() { measure "$@" | cut -d' ' -f1; }
# An exact colour as a kind for measure: srgb(r,g,b) becomes =r,g,b.
exactly() { local c=${1#srgb(}; echo "=${c%)}"; }

# Pixels other than the stage's ground outside a rectangle.
stray_outside() {  # x y w h
    convert "$LAST_SHOT" -fill white +opaque "$BACKGROUND" -fill black -opaque "$BACKGROUND" +antialias \
        -draw "rectangle $1,$2 $(($1 + $3 - 1)),$(($2 + $4 - 1))" -format '%[fx:round(mean*w*h)]' info:
}

click_at() {  # x y
    xdotool mousemove "$1" "$2" click 1
    sleep 0.2
}

# --- What the screen should show --------------------------------------------------------

# The stage is up and covers the screen: its window, and its ground in the four corners.
stage_covers_screen() {
    local corner got
    [ "$(map_state "$STAGE")" = IsViewable ] || { WHY="the stage is not viewable"; return 1; }
    for corner in "0 0" "$((SCREEN_W - 1)) 0" "0 $((SCREEN_H - 1))" "$((SCREEN_W - 1)) $((SCREEN_H - 1))"; do
        got=$(pixel $corner)
        [ "$got" = "$BACKGROUND" ] || { WHY="the stage's corner $corner is $got, not $BACKGROUND"; return 1; }
    done
}

# A card lies centred on the stage at its scaled size, and nothing else shows: only the
# stage's ground around it. Whatever is not the ground, and the card's own ground colour if
# it has one, span the place predicted within 2 pixels each edge.
card_shown() {  # name card_w card_h [ground]
    local name=$1 l t w h n
    stage_covers_screen || return 1
    read -r l t w h < <(card_rect "$2" "$3")
    n=$(stray_outside $((l - 2)) $((t - 2)) $((w + 4)) $((h + 4)))
    [ "$n" -eq 0 ] || { WHY="the $name: $n pixels other than the stage's ground lie outside its place ${w}x$h+$l+$t"; return 1; }
    spans_place "$name" "everything but the stage's ground" "$(colour_box "$BACKGROUND" other)" || return 1
    [ -z "${4:-}" ] || spans_place "$name" "its ground $4" "$(colour_box "$4")"
}

spans_place() {  # name what "x y w h"
    local bx by bw bh
    read -r bx by bw bh <<<"$3"
    [ -n "${bx:-}" ] || { WHY="the $1 shows no pixel of $2"; return 1; }
    if ! near "$bx" "$l" 2 || ! near "$by" "$t" 2 || ! near $((bx + bw)) $((l + w)) 2 || ! near $((by + bh)) $((t + h)) 2; then
        WHY="the $1: $2 spans ${bw}x$bh+$bx+$by, not ${w}x$h+$l+$t (scale $S)"; return 1
    fi
}

# The splash, known by the board's icon on it.
splash_shown() {
    card_shown splash $SPLASH "$PALE" || return 1
    local n
    n=$(count yellow $(twips_rect $SPLASH 240 840 1200 1320))
    [ "$n" -gt 500 ] || { WHY="the splash shows no icon ($n yellow pixels)"; return 1; }
}

# The set-up card, with the splash gone from its middle.
setup_shown() {
    card_shown "set-up card" $SETUP "$PALE" || return 1
    local n
    n=$(count yellow $(twips_rect $SPLASH 240 840 1200 1320))
    [ "$n" -eq 0 ] || { WHY="the splash's icon still shows over the set-up card"; return 1; }
}

end_shown() { card_shown "end window" $END; }

# The run of one exact colour through a square's rectangle, along a row and a column 60
# twips in from its left and top edges (clear of its caption and its marker): the edges
# must be where the scale puts them, within 1 pixel.
square_in_place() {  # n colour
    local x y w h m n
    read -r x y w h < <(square_rect "$1")
    read -r -a m < <(measure "$(exactly "$2")" $((x - 8)) $((y + h / 2)) $((w + 16)) 1)
    read -r -a n < <(measure "$(exactly "$2")" $((x + w / 10)) $((y - 8)) 1 $((h + 16)))
    if [ "${m[0]}" -eq 0 ] || [ "${n[0]}" -eq 0 ]; then WHY="square $1 shows none of its colour $2 at ${w}x$h+$x+$y"; return 1; fi
    if ! near "${m[1]}" "$x" 1 || ! near "${m[2]}" $((x + w - 1)) 1 || ! near "${n[3]}" "$y" 1 || ! near "${n[4]}" $((y + h - 1)) 1; then
        WHY="square $1 spans x ${m[1]}..${m[2]}, y ${n[3]}..${n[4]}; the scale puts it at x $x..$((x + w - 1)), y $y..$((y + h - 1))"
        return 1
    fi
}

# The board fills the stage as designed: the ground in the corners, the set-up card gone,
# squares 1 and 100 in their places in their colours, and something other than the ground
# near the left edge of every square.
board_shown() {
    local n sq x y w h spots="" got
    stage_covers_screen || return 1
    read -r x y w h < <(card_rect $SETUP)
    n=$(count "$(exactly "$PALE")" $x $y $w $h)
    [ "$n" -lt $((w * h * 4 / 10)) ] || { WHY="the set-up card still shows ($n pale pixels)"; return 1; }
    square_in_place 1 'srgb(155,111,196)' || return 1
    square_in_place 100 'srgb(255,192,192)' || return 1
    for sq in $(seq 100); do
        read -r x y w h < <(square_rect "$sq")
        spots+="%[pixel:p{$((x + w / 10)),$((y + h / 2))}] "
    done
    n=0
    for got in $(convert "$LAST_SHOT" -format "$spots" info:); do
        n=$((n + 1))
        [ "$got" = "$BACKGROUND" ] && { WHY="square $n shows only the ground"; return 1; }
    done
    [ "$n" -eq 100 ] || { WHY="could not read the board's squares"; return 1; }
}

# The squares on which the board shows at least 20 pixels of a figure's colour (green or
# red), out of the squares given (all 100 if none): red looks only where no snake's head is.
squares_with() {  # kind [square...]
    local l t kind=$1
    shift
    read -r l t _ < <(card_rect $BOARD)
    convert "$LAST_SHOT" -depth 8 rgb:- | od -An -v -tu1 -w3 |
        awk -v s="$S" -v l="$l" -v t="$t" -v W="$SCREEN_W" -v kind="$kind" -v only="${*:-}" '
            function r(v) { return int(v * s / 15 + 0.5) }
            BEGIN { if (only == "") for (n = 1; n <= 100; n++) only = only " " n
                    k = split(only, list, " ")
                    for (i = 1; i <= k; i++) { n = list[i]; row = int((n - 1) / 10); c = (n - 1) % 10
                        x = 3480 + 840 * (row % 2 ? 9 - c : c); y = 8160 - 840 * row
                        L[n] = l + r(x); R[n] = l + r(x + 795); T[n] = t + r(y); B[n] = t + r(y + 750) } }
            kind == "green" && $2 >= 100 && $1 <= 60 && $3 <= 60 || kind == "red" && $1 >= 150 && $2 <= 60 && $3 <= 60 {
                x = (NR - 1) % W; y = int((NR - 1) / W)
                for (n in L) if (x >= L[n] && x < R[n] && y >= T[n] && y < B[n]) hits[n]++ }
            END { for (n = 1; n <= 100; n++) if (hits[n] >= 20) printf "%d ", n }'
}

# The die's face in the last shot: how many of the nine places a pip can take are black.
die_face() {
    local x y n=0 got
    for y in 360 480 600; do
        for x in 240 360 480; do
            got=$(pixel $(twips_middle $BOARD $((1440 + x)) $((6960 + y)) 135 135))
            [ "$got" = 'srgb(0,0,0)' ] && n=$((n + 1))
        done
    done
    echo "$n"
}

# Where a token from the start pad lands after a throw of that many: the foot of the
# ladder on 7 leads to 26; no snake's head lies within 12 squares of the start.
landing() { if [ "$1" -eq 7 ]; then echo 26; else echo "$1"; fi; }

START_SPOT="2700 8160 750 780"                               # the pad left of square 1, where tokens wait
name_row() { echo 1350 $((1050 + 600 * $1)) 2100 420; }      # player name Lp(i)
pointer_row() { echo 210 $((930 + 600 * $1)) 570 570; }      # turn pointer level with row i
board_count() { local kind=$1; shift; count "$kind" $(twips_rect $BOARD "$@"); }

# --- The game ---------------------------------------------------------------------------

# Whoever's turn it is throws; with "Move" focused after the throw, Return walks the token.
# THROW gets the number of squares to walk, read from the die.
throw_and_walk() {  # how: click|space
    local before=${#BOXES[@]}
    if [ "$1" = click ]; then click_twips $BOARD 120 7560 975 615; else xdotool key space; fi
    dismiss_boxes 10
    shot "rolled"
    [ "$(pixel $(twips_middle $BOARD 1620 7260 30 30))" = "$SILVER" ] || fail "no die face shows after the throw"
    FACE=$(die_face)
    if [ "$FACE" -lt 1 ] || [ "$FACE" -gt 5 ]; then fail "the die shows $FACE pips after the throw; a six is always thrown again"; fi
    # A six shows "LUCKY HAND" and is thrown again, never a six the second time: the walk is
    # the face shown, plus six after that box.
    THROW=$FACE
    [ "${#BOXES[@]}" -gt "$before" ] && [ "${BOXES[-1]}" = "LUCKY HAND" ] && THROW=$((FACE + 6))
    xdotool key Return
}

# Waits (bounded: 12 squares at 300 ms and the messages) until the turn pointer has moved
# on from the player list's row "from" to the next row.
wait_for_turn() {  # from
    local i x y w h
    for i in $(seq 40); do
        dismiss_boxes 2
        shot "walking"
        read -r x y w h < <(twips_rect $BOARD 120 8280 975 615)                # "Cancel"
        [ "$(count grey $x $y $w $h)" -gt $((w * h / 2)) ] || fail "the board closed during the walk"
        [ "$(board_count ink $(pointer_row $(($1 + 1))))" -gt 20 ] &&
            [ "$(board_count ink $(pointer_row "$1"))" -eq 0 ] && return 0
    done
    fail "the turn did not pass from row $1 of the player list to the next"
}

# Checks that the player list shows a name on the first "players" rows and nothing below;
# WIDTH gets the width of each name in pixels.
names_on_board() {  # players
    local i m
    for i in 0 1 2 3; do
        read -r -a m < <(measure text $(twips_rect $BOARD $(name_row $i)))
        if [ "$i" -lt "$1" ]; then
            [ "${m[0]}" -gt 20 ] || fail "no name on row $i of the player list"
            WIDTH[i]=$((m[2] - m[1]))
        else
            [ "${m[0]}" -eq 0 ] || fail "row $i of the player list shows a name in a game of $1"
        fi
    done
}

# A message box belongs to the stage: transient for it, modal, and near the stage's middle
# (Qt centres it on the stage by the size it first reckons with, a little more than the
# box's final size; a tenth of the screen either way is allowed).
box_over_stage() {  # box-id
    local x y w h
    read -r w h x y < <(windows | awk -v id="$1" '$1 == id { split($2, g, /[x+]/); print g[1], g[2], g[3], g[4] }')
    [ -n "${y:-}" ] || fail "the message box $1 is not viewable"
    BOX_GEOMETRY="${w}x$h+$x+$y"
    if ! near $((x + w / 2)) $((SCREEN_W / 2)) $((SCREEN_W / 10)) || ! near $((y + h / 2)) $((SCREEN_H / 2)) $((SCREEN_H / 10)); then
        fail "the message box at $BOX_GEOMETRY is not near the middle of the ${SCREEN_W}x$SCREEN_H stage"
    fi
    xprop -id "$1" WM_TRANSIENT_FOR | grep -q " $STAGE\$" ||
        fail "the message box is not transient for the stage $STAGE: $(xprop -id "$1" WM_TRANSIENT_FOR)"
    xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_MODAL ||
        fail "the message box is not marked modal: $(xprop -id "$1" _NET_WM_STATE)"
}

# Which window has the keyboard's focus: the box, the stage, or another by its id.
focus_on() {  # box-id
    local id
    id=$(printf '0x%x' "$(xdotool getwindowfocus 2>/dev/null || echo 0)")
    case "$id" in "$1") echo "the box" ;; "$STAGE") echo "the stage" ;; *) echo "window $id" ;; esac
}

# Under a window manager: with the box open the stage is minimised, then restored. The
# stage must go, the box with it, and both come back, the stage full screen; the box then
# answers Return as before.
minimise_and_restore() {  # box-id
    local box=$1 i state
    xdotool windowminimize "$STAGE" || fail "xdotool could not minimise the stage"
    for i in $(seq 30); do
        [ "$(map_state "$STAGE")" = IsViewable ] || break
        sleep 0.1
    done
    sleep 0.3
    shot minimised
    state=$(map_state "$STAGE")
    [ "$state" = IsViewable ] && fail "the stage is still viewable 3 s after it was minimised"
    xprop -id "$STAGE" WM_STATE | grep -q 'Iconic' || fail "the stage was hidden but is not iconic: $(xprop -id "$STAGE" WM_STATE)"
    [ "$(count "$(exactly "$BACKGROUND")" 0 0 "$SCREEN_W" "$SCREEN_H")" -lt $((SCREEN_W * SCREEN_H / 100)) ] ||
        fail "the stage's ground still covers the screen after it was minimised"
    # Openbox minimises a window's transients with it: the box goes too.
    [ "$(map_state "$box")" = IsViewable ] && fail "the message box is still viewable with its stage minimised"
    log "stage minimised ($state), the box with it ($(map_state "$box"), $(xprop -id "$box" WM_STATE | grep -o 'Iconic\|Normal\|Withdrawn'))"

    xdotool windowactivate "$STAGE" 2>/dev/null  # xdotool complains if it cannot wait for focus
    for i in $(seq 30); do
        [ "$(map_state "$STAGE")" = IsViewable ] && [ "$(map_state "$box")" = IsViewable ] && break
        sleep 0.1
    done
    sleep 0.3
    shot restored
    [ "$(map_state "$STAGE")" = IsViewable ] || fail "the stage did not come back 3 s after it was activated"
    windows | grep -Eq "^$STAGE ${SCREEN_W}x${SCREEN_H}\+0\+0 Kivo$" || fail "the stage came back, but not full screen"
    [ "$(map_state "$box")" = IsViewable ] || fail "the stage came back without its message box"
    stage_covers_screen || fail "after the restore: $WHY"
    box_over_stage "$box"
    log "stage restored full screen, the box with it at $BOX_GEOMETRY; the keyboard's focus on $(focus_on "$box")"
}

# --- The story --------------------------------------------------------------------------

start_x 90 "$SCREEN_W" "$SCREEN_H"
RUN_DIR=$(mktemp -d) || fail "no private runtime folder"
chmod 700 "$RUN_DIR"
export XDG_RUNTIME_DIR="$RUN_DIR"
[ "$WM" = openbox ] && start_openbox
log "X server on $DISPLAY, ${SCREEN_W}x$SCREEN_H, scale $S${WM:+, under $WM}"

"$KIVO" >"$SCREENS/kivo.log" 2>&1 &
KIVO_PID=$!

# Start: the stage, and the splash in its middle.
wait_for_stage 10
shot splash
wait_until 10 splash_shown
log "splash up: $(card_rect $SPLASH | awk '{ print $3 "x" $4 "+" $1 "+" $2 }')"

# A click on the stage's ground beside the splash changes nothing.
click_at 3 3
sleep 0.5
before=$LAST_SHOT
shot stage-clicked
splash_shown || fail "after a click on the stage: $WHY"
[ "$(compare -metric AE "$before" "$LAST_SHOT" null: 2>&1)" = 0 ] ||
    fail "a click on the stage's ground changed the screen ($before, $LAST_SHOT)"
[ -z "$(message_box)" ] || fail "a click on the stage's ground opened a window: $(message_box)"
log "a click on the stage left the splash as it was"

# Any key leaves the splash for the set-up card.
xdotool key x
shot setup
wait_until 5 setup_shown
log "set-up card up: $(card_rect $SETUP | awk '{ print $3 "x" $4 "+" $1 "+" $2 }')"

# Four players. After "Ok" the whole first name is selected, so typing replaces it; cleared,
# it makes "GO" ask for a name.
click_twips $SETUP $((480 + 120)) $((1080 + 1080)) 975 375       # "Four"
click_twips $SETUP $((480 + 240)) $((1080 + 1560)) 1215 495      # "Ok"
sleep 0.3
shot names-open
xdotool key BackSpace
click_twips $SETUP 720 3360 1215 495                             # "GO"
box=""
for i in $(seq 30); do box=$(message_box); [ -n "$box" ] && break; sleep 0.1; done
[ -n "$box" ] || fail "\"GO\" with the first name empty opened no message box"
[ "${box#* * }" = "EMPTY NAME" ] || fail "\"GO\" with the first name empty opened \"${box#* * }\", not \"EMPTY NAME\""
sleep 0.3
shot box-over-setup
box_over_stage "${box%% *}"
log "message box \"EMPTY NAME\" at $BOX_GEOMETRY; the keyboard's focus on $(focus_on "${box%% *}")"
[ "$WM" = openbox ] && minimise_and_restore "${box%% *}"
xdotool key Return
wait_gone "message box \"EMPTY NAME\"" "${box%% *}" 3
shot setup-after-box
setup_shown || fail "after the message box: $WHY"
click_twips $SETUP $((2640 + 240)) $((1080 + 600)) 1335 375
xdotool type --delay 50 Ann
for entry in "1320 Bob" "2040 Cy" "2880 Dee"; do
    set -- $entry
    click_twips $SETUP $((2640 + 240)) $((1080 + $1)) 1335 375
    xdotool key ctrl+a
    xdotool type --delay 50 "$2"
done
shot names-typed
click_twips $SETUP 720 3360 1215 495                             # "GO"
shot board
wait_until 5 board_shown
names_on_board 4
SHORT_NAMES=("${WIDTH[@]}")
[ "$(board_count green $START_SPOT)" -ge 20 ] || fail "the first token is not on the start pad"
[ "$(board_count ink $(pointer_row 0))" -gt 20 ] || fail "the turn pointer is not at the first player"
log "board up with four names: square 1 at $(square_rect 1 | tr ' ' ,), square 100 at $(square_rect 100 | tr ' ' ,)"

# Ann throws (a click) and walks (Return on the focused "Move").
throw_and_walk click
sleep 0.1
xdotool key space   # a stray key while the token walks: no button has the focus, not "Cancel"
wait_for_turn 0
shot "ann-walked"
[ "$(board_count green $START_SPOT)" -eq 0 ] || fail "the green token is still on the start pad after its walk"
[ "$(board_count red $START_SPOT)" -ge 20 ] || fail "the second token does not wait on the start pad"
landed=$(squares_with green); landed=${landed% }
[ "$landed" = "$(landing $THROW)" ] ||
    fail "after a throw of $THROW the green token shows on squares '$landed', not on square $(landing $THROW)"
[ "$(count navy $(square_rect "$landed"))" -lt 10 ] ||
    fail "the token on square $landed keeps its dark ground instead of the square's colour"
log "Ann threw $THROW; her token on square $landed; Bob to move"

# Bob uses the keyboard only: Space on "Shuffle" (focused after a walk), Return on "Move".
throw_and_walk space
wait_for_turn 1
shot "bob-walked"
# Cy's token waits on the pad, unless Bob's landing sent Ann's back there on top of it.
[ "$(board_count red $START_SPOT)" -eq 0 ] || fail "the red token is still on the start pad after its walk"
landed=$(squares_with red $(seq 12) 26); landed=${landed% }
[ "$landed" = "$(landing $THROW)" ] ||
    fail "after a throw of $THROW the red token shows on squares '$landed' of 1-12 and 26, not on square $(landing $THROW)"
[ "$(board_count blue $START_SPOT)" -ge 20 ] || [ "$(board_count green $START_SPOT)" -ge 20 ] ||
    fail "no token waits on the start pad for the third player"
log "Bob threw $THROW; his token on square $landed; Cy to move; message boxes so far: ${BOXES[*]:-none}"

# "Cancel" abandons the game for the end window; "Restart" brings back the set-up.
click_twips $BOARD 120 8280 975 615
shot end-window
wait_until 5 end_shown
click_twips $END 5160 2520 2055 615                              # "Restart"
shot setup-again
wait_until 5 setup_shown
log "restarted"

# Two players with the names the set-up card starts with.
click_twips $SETUP $((480 + 240)) $((1080 + 1560)) 1215 495      # "Ok"
sleep 0.3
click_twips $SETUP 720 3360 1215 495                             # "GO"
shot board-for-two
wait_until 5 board_shown
names_on_board 2
for i in 0 1; do
    [ "${WIDTH[$i]}" -gt "${SHORT_NAMES[$i]}" ] ||
        fail "row $i shows a name no wider than the last game's typed one: the set-up was not fresh"
done
log "board up for two"

# "Cancel", then "Exit": the program ends, cleanly.
click_twips $BOARD 120 8280 975 615
shot end-window-again
wait_until 5 end_shown
click_twips $END 2520 2520 2055 615                              # "Exit"
for i in $(seq 50); do kill -0 "$KIVO_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$KIVO_PID" 2>/dev/null && fail "kivo is still running 5 s after \"Exit\""
wait "$KIVO_PID"; status=$?
KIVO_PID=""
shot after-exit
[ "$status" -eq 0 ] || fail "kivo ended with status $status after \"Exit\""
left=$(windows | grep -Ev ' [13]x[13]\+' | grep -v ' Openbox$')
[ -z "$left" ] || fail "windows are left on the screen after \"Exit\": $left"
[ "$(pixel $((SCREEN_W / 2)) $((SCREEN_H / 2)))" != "$BACKGROUND" ] || fail "the stage is still drawn after \"Exit\""
log "passed; screenshots in $SCREENS"
