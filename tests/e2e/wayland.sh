#!/usr/bin/env bash
# Plays Kivo on a Wayland compositor with real clicks and keys: a private Xvfb, weston in it
# on its X11 backend, and Kivo as a Wayland client of that weston. xdotool works the X
# pointer and keyboard over weston's output window; weston hands the events to Kivo.
# Steps: the splash, a click on the stage beside it (the splash must stay), any key, the
# set-up card, "Ok", "GO", the board, "Cancel", the end card and "Exit".
# Usage: wayland.sh path/to/kivo screens-folder
# Every step leaves a screenshot of weston's output in the screens folder, beside kivo.log
# and weston.log. Exits 77 when weston or Qt's Wayland plugin is not installed.
# Rectangles and points travel as words ("x y w h", "x y"), split on purpose:
# shellcheck disable=SC2046,SC2086
set -u

KIVO=${1:?path to kivo}
SCREENS=${2:?folder for screenshots}
SCREEN_W=1280 SCREEN_H=800      # weston's one output, which Kivo fills
STRIP=32                        # bare X screen below weston's output window, for the pointer
GROUND='srgb(128,64,64)'        # the stage and the board, 0x00404080
PALE='srgb(255,224,192)'        # splash and set-up ground, 0x00C0E0FF
DESKTOP='srgb(32,48,96)'        # weston's own background, set in weston.ini below
CURSOR_BOX=12                   # the corner where the pointer waits during screenshots

# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"   # WM_PID is weston's
mkdir -p "$SCREENS" && rm -f "$SCREENS"/*.png "$SCREENS"/kivo.log "$SCREENS"/weston.log

fail() {
    echo "FAIL: $*" >&2
    echo "--- last screenshot: $LAST_SHOT" >&2
    if [ -s "$SCREENS/kivo.log" ]; then
        echo "--- kivo's output (protocol lines left out):" >&2
        grep -Ev '^\[ *[0-9]+\.[0-9]+\] ' "$SCREENS/kivo.log" | tail -15 >&2
    fi
    [ -s "$SCREENS/weston.log" ] && { echo "--- weston's log:" >&2; tail -8 "$SCREENS/weston.log" >&2; }
    exit 1
}

skip() { echo "skipped: $*"; exit 77; }

trap 'fail "stopped by a signal"' HUP INT TERM

# --- What the test needs ----------------------------------------------------------------

[ -x "$KIVO" ] || fail "no program at $KIVO"
command -v weston >/dev/null || skip "weston is not installed"
[ -n "$(find /usr/lib* -path '*libweston-*/x11-backend.so' -print -quit 2>/dev/null)" ] ||
    skip "weston's X11 backend is not installed"
# Qt's Wayland plugin sits beside the Qt that kivo loads.
qt_gui=$(ldd "$KIVO" 2>/dev/null | awk '/libQt6Gui\.so/ { print $3; exit }')
if [ -n "$qt_gui" ]; then
    ls "$(dirname "$qt_gui")"/qt6/plugins/platforms/libqwayland-*.so >/dev/null 2>&1 ||
        skip "Qt's Wayland platform plugin (qt6-wayland) is not installed"
fi
for tool in Xvfb xdotool import convert xdpyinfo xwininfo; do
    command -v "$tool" >/dev/null || fail "$tool is missing (packages xvfb xdotool imagemagick x11-utils)"
done

# --- Xvfb, and weston in it -------------------------------------------------------------

# Weston without its on-screen keyboard (it would pop up over the name fields), without
# animations (a screenshot must show the finished picture), never locking the screen, and
# on one plain colour, so that anything of Kivo's missing shows.
write_weston_ini() {
    cat >"$RUN_DIR/weston.ini" <<'EOF'
[core]
idle-time=0

[shell]
background-color=0xff203060
panel-position=top
locking=false
animation=none
close-animation=none
startup-animation=none
focus-animation=none

[input-method]
path=
EOF
}

# Sets OUT_X OUT_Y: where weston's output window lies on the X screen.
start_weston() {
    local line
    SOCKET="kivo-wayland-${DISPLAY#:}"
    write_weston_ini
    weston --backend=x11-backend.so --use-pixman --width="$SCREEN_W" --height="$SCREEN_H" \
        --socket="$SOCKET" --config="$RUN_DIR/weston.ini" --idle-time=0 \
        --log="$SCREENS/weston.log" >/dev/null 2>&1 </dev/null &
    WM_PID=$!
    for _ in $(seq 100); do
        kill -0 "$WM_PID" 2>/dev/null || { wait "$WM_PID"; fail "weston ended at start with status $?"; }
        line=$(xwininfo -root -tree 2>/dev/null | grep -E '"Weston Compositor' | head -1)
        if [ -S "$RUN_DIR/$SOCKET" ] && [ -n "$line" ]; then
            read -r OUT_X OUT_Y < <(echo "$line" | awk '{ for (i = 1; i <= NF; i++) if ($i ~ /^[0-9]+x[0-9]+\+/) { split($i, g, /[x+]/); print g[3], g[4]; exit } }')
            break
        fi
        sleep 0.1
    done
    [ -n "${OUT_X:-}" ] || fail "weston's output window did not show within 10 s"
    # The desktop shell is up once its background fills the output below the panel.
    park_pointer
    local end=$(($(date +%s) + 10))
    while :; do
        shot_to "$SCREENS/00-weston.png"
        desktop_shown && return 0
        [ "$(date +%s)" -ge "$end" ] && fail "weston's desktop did not show within 10 s"
        sleep 0.1
    done
}

# --- Screen and input -------------------------------------------------------------------

# Weston's X11 backend moves its pointer by the X pointer's steps and takes the X pointer's
# place only when it enters the output window; so every move leaves the window for the bare
# strip below it first, and enters it again right at the spot.
pointer_to() {  # x y on the output
    timeout 5 xdotool mousemove --sync $((OUT_X + SCREEN_W / 2)) $((OUT_Y + SCREEN_H + STRIP / 2)) &&
        timeout 5 xdotool mousemove --sync $((OUT_X + $1)) $((OUT_Y + $2))
}

# The pointer waits in the output's bottom right corner while screenshots are taken: weston
# draws it into the output, and there it hides all but a few pixels of itself. Weston
# repaints on its next frame, so the picture is given a moment to follow.
park_pointer() {
    pointer_to $((SCREEN_W - 1)) $((SCREEN_H - 1)) || fail "xdotool could not move the pointer"
    sleep 0.15
}

shot_to() {
    LAST_SHOT=$1
    timeout 10 import -window root -crop "${SCREEN_W}x${SCREEN_H}+$OUT_X+$OUT_Y" +repage "$LAST_SHOT" ||
        fail "no screenshot"
}

# A new step's screenshot; waiting for something overwrites the step's own file.
shot() {
    STEP=$((STEP + 1))
    SHOT_NAME=$(printf '%s/%02d-%s.png' "$SCREENS" "$STEP" "$1")
    park_pointer
    shot_to "$SHOT_NAME"
}
reshoot() { park_pointer; shot_to "$SHOT_NAME"; }

# Pixels of one colour inside a rectangle of the last shot.
count_colour() {  # colour x y w h
    convert "$LAST_SHOT" -crop "$4x$5+$2+$3" +repage -fill black +opaque "$1" -fill white -opaque "$1" \
        -format '%[fx:round(mean*w*h)]' info:
}

# Pixels that are not the stage's ground outside a rectangle (and the pointer's corner).
stray_outside() {  # x y w h
    convert "$LAST_SHOT" -fill white +opaque "$GROUND" -fill black -opaque "$GROUND" +antialias \
        -draw "rectangle $1,$2 $(($1 + $3 - 1)),$(($2 + $4 - 1))" \
        -draw "rectangle $((SCREEN_W - CURSOR_BOX)),$((SCREEN_H - CURSOR_BOX)) $SCREEN_W,$SCREEN_H" \
        -format '%[fx:round(mean*w*h)]' info:
}

click_at() {  # x y on the output
    pointer_to "$1" "$2" || fail "xdotool could not move the pointer"
    sleep 0.1
    timeout 5 xdotool click 1 || fail "xdotool could not click"
    sleep 0.2
}

key() { timeout 5 xdotool key "$1" || fail "xdotool could not press $1"; sleep 0.2; }

# --- What the screen should show --------------------------------------------------------

# Weston's own background in the middle and in the lower corners, as with no window up.
desktop_shown() {
    local spot
    for spot in "$((SCREEN_W / 2)) $((SCREEN_H / 2))" "5 $((SCREEN_H - 6))" "$((SCREEN_W - 6)) $((SCREEN_H - CURSOR_BOX - 6))"; do
        [ "$(pixel $spot)" = "$DESKTOP" ] || return 1
    done
}

# Kivo's window covers the whole output: the stage's ground in all four corners.
stage_covers_output() {
    local x y got
    for x in 5 $((SCREEN_W - 6)); do
        for y in 5 $((SCREEN_H - CURSOR_BOX - 6)); do
            got=$(pixel $x $y)
            [ "$got" = "$GROUND" ] || { WHY="the stage does not cover the output: pixel $x,$y is $got, not $GROUND"; return 1; }
        done
    done
}

# A card lies centred on the stage at its size, and nothing else shows: the stage's ground
# all round it, and little of that ground inside it. With a colour, the box of that colour
# must match the card within 2 pixels.
card_shown() {  # name card_w card_h [colour]
    local name=$1 l t w h n box bx by bw bh
    stage_covers_output || return 1
    read -r l t w h < <(card_rect "$2" "$3")
    n=$(stray_outside $((l - 2)) $((t - 2)) $((w + 4)) $((h + 4)))
    [ "$n" -eq 0 ] || { WHY="the $name: $n pixels other than the stage's ground lie outside its place ${w}x$h+$l+$t"; return 1; }
    n=$(count_colour "$GROUND" $((l + 2)) $((t + 2)) $((w - 4)) $((h - 4)))
    [ "$n" -lt $((w * h / 10)) ] || { WHY="the $name is missing: $n pixels of the stage's ground inside its place ${w}x$h+$l+$t"; return 1; }
    [ -z "${4:-}" ] && return 0
    box=$(colour_box "$4")
    [ -n "$box" ] || { WHY="the $name shows no pixel of its ground $4"; return 1; }
    read -r bx by bw bh <<<"$box"
    if ! near "$bw" "$(awk -v a="$2" -v s="$S" 'BEGIN { print a * s }')" 2 ||
        ! near "$bh" "$(awk -v a="$3" -v s="$S" 'BEGIN { print a * s }')" 2; then
        WHY="the $name's ground spans ${bw}x$bh, not $2x$3 at scale $S"; return 1
    fi
    if ! near "$(awk -v a="$bx" -v b="$bw" 'BEGIN { print a + b / 2 }')" "$(awk -v a="$SCREEN_W" 'BEGIN { print a / 2 }')" 2 ||
        ! near "$(awk -v a="$by" -v b="$bh" 'BEGIN { print a + b / 2 }')" "$(awk -v a="$SCREEN_H" 'BEGIN { print a / 2 }')" 2; then
        WHY="the $name's ground at ${bw}x$bh+$bx+$by is not centred on the ${SCREEN_W}x$SCREEN_H output"; return 1
    fi
}

# The board fills the stage: the ground in the corners, squares over most of their area,
# and something other than the ground in the middle of each of the 100 squares.
board_shown() {
    local x y w h n sq mx my got spots="" names=() missing=""
    stage_covers_output || return 1
    read -r x y w h < <(twips_rect $BOARD 3480 600 8400 8310)
    n=$(count_colour "$GROUND" $x $y $w $h)
    [ "$n" -lt $((w * h * 3 / 10)) ] ||
        { WHY="the board's squares are missing: $n of the $((w * h)) pixels at ${w}x$h+$x+$y are the ground"; return 1; }
    while read -r sq mx my; do
        spots+="%[pixel:p{$mx,$my}]\n"
        names+=("$sq")
    done < <(for sq in $(seq 100); do echo "$sq" $(twips_middle $BOARD $(square_twips "$sq")); done)
    n=0
    while read -r got; do
        [ "$got" = "$GROUND" ] && missing+=" ${names[n]}"
        n=$((n + 1))
    done < <(convert "$LAST_SHOT" -format "$spots" info:)
    [ "$n" -eq 100 ] || { WHY="could not read the middles of the board's squares"; return 1; }
    [ -z "$missing" ] || { WHY="the board shows only its ground in the middle of squares$missing"; return 1; }
}

# What Kivo asked weston for: at most one top-level window at a time, and at least one,
# titled "Kivo", named by its menu entry's id and full screen. Read from the Wayland protocol
# log in kivo.log.
one_window_asked() {
    awk '
        /-> xdg_surface@[0-9]+\.get_toplevel\(/ { made++; alive++; if (alive > most) most = alive }
        /-> xdg_toplevel@[0-9]+\.destroy\(/ { alive-- }
        /-> xdg_toplevel@[0-9]+\.set_title\(/ { t = $0; sub(/^[^"]*"/, "", t); sub(/"\)$/, "", t); title = t }
        /-> xdg_toplevel@[0-9]+\.set_app_id\(/ { a = $0; sub(/^[^"]*"/, "", a); sub(/"\)$/, "", a); app = a }
        /-> xdg_toplevel@[0-9]+\.set_fullscreen\(/ { full++ }
        END {
            if (most != 1) { printf "Kivo had %d top-level windows at once (%d made); one was expected\n", most, made; exit }
            if (title != "Kivo") { printf "the window is titled \"%s\", not \"Kivo\"\n", title; exit }
            if (app != "org.kivo.Kivo") { printf "the window asked for the app id \"%s\", not \"org.kivo.Kivo\"\n", app; exit }
            if (!full) { print "the window never asked to be full screen"; exit }
        }' "$SCREENS/kivo.log"
}

# --- The game ---------------------------------------------------------------------------

start_x 80 "$SCREEN_W" $((SCREEN_H + STRIP))
RUN_DIR=$(mktemp -d) || fail "no private runtime folder"
chmod 700 "$RUN_DIR"
export XDG_RUNTIME_DIR="$RUN_DIR"
start_weston
log "weston on $DISPLAY, output ${SCREEN_W}x$SCREEN_H at $OUT_X,$OUT_Y, scale $S"

# Kivo talks Wayland only: no X display to fall back on; its protocol goes to kivo.log.
env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$SOCKET" WAYLAND_DEBUG=client \
    "$KIVO" >"$SCREENS/kivo.log" 2>&1 </dev/null &
KIVO_PID=$!

# Start: the splash, centred on the stage.
shot splash
wait_until 15 card_shown splash $SPLASH "$PALE"
log "splash up"

# A click on the stage beside the splash leaves everything as it was.
click_at 5 5
sleep 1
shot stage-clicked
card_shown splash $SPLASH "$PALE" || fail "after a click on the stage: $WHY"
log "a click on the stage left the splash up"

# Any key leaves the splash for the set-up card.
key space
shot setup
wait_until 5 card_shown "set-up card" $SETUP "$PALE"
log "set-up card up"

# "Ok" takes the number of players (two, as the card starts), "GO" starts the game.
click_twips $SETUP 720 2640 1215 495
shot names
card_shown "set-up card" $SETUP "$PALE" || fail "after \"Ok\": $WHY"
click_twips $SETUP 720 3360 1215 495
shot board
wait_until 5 board_shown
log "board up"

# "Cancel" leaves the game for the end card.
click_twips $BOARD 120 8280 975 615
shot end
wait_until 5 card_shown "end card" $END
log "end card up"

# "Exit": the program ends, cleanly, and weston's desktop shows again.
click_twips $END 2520 2520 2055 615
for _ in $(seq 50); do kill -0 "$KIVO_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$KIVO_PID" 2>/dev/null && fail "kivo is still running 5 s after \"Exit\""
wait "$KIVO_PID"; status=$?
KIVO_PID=""
[ "$status" -eq 0 ] || fail "kivo ended with status $status after \"Exit\""
shot after-exit
desktop_shown || fail "Kivo's picture stays on weston's output after \"Exit\""
why=$(one_window_asked)
[ -z "$why" ] || fail "$why"
log "passed; screenshots in $SCREENS"
