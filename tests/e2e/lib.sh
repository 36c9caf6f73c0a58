# What the end-to-end scripts share: where Kivo's cards and controls lie on a screen of
# SCREEN_W x SCREEN_H, a private X server, the log, and reading and waiting on screenshots.
# Sourced after SCREEN_W and SCREEN_H are set; the script defines fail, click_at and reshoot,
# and sets KIVO_PID, WM_PID (the window manager or compositor) and RUN_DIR, which the exit
# trap ends and removes.
# Rectangles and points travel as words ("x y w h", "x y"), split on purpose:
# and the cards and bookkeeping are for the scripts that source this:
# shellcheck disable=SC2046,SC2086,SC2034 shell=bash

# --- Geometry ---------------------------------------------------------------------------
# Kivo draws every card at one scale s = min(W/790, H/600) on the W x H stage. A card of
# w x h design pixels is round(w*s) x round(h*s), centred (the spare pixels halved, rounded
# down); a control's edges lie round(twips*s/15) from the card's corner.

S=$(awk -v W="$SCREEN_W" -v H="$SCREEN_H" 'BEGIN { s = W / 790; if (H / 600 < s) s = H / 600; printf "%.17g\n", s }')

# Cards, by design size in pixels.
SPLASH="351 218" SETUP="358 387" END="678 261" BOARD="790 600"

# The card's place on the screen: "left top width height".
card_rect() {  # card_w card_h
    awk -v W="$SCREEN_W" -v H="$SCREEN_H" -v s="$S" -v w="$1" -v h="$2" '
        function r(x) { return int(x + 0.5) }
        BEGIN { cw = r(w * s); ch = r(h * s); print int((W - cw) / 2), int((H - ch) / 2), cw, ch }'
}

# A rectangle given in twips inside a card, on the screen: "x y w h".
twips_rect() {  # card_w card_h left top width height
    local l t
    read -r l t _ < <(card_rect "$1" "$2")
    awk -v s="$S" -v l="$l" -v t="$t" -v x="$3" -v y="$4" -v w="$5" -v h="$6" '
        function r(v) { return int(v * s / 15 + 0.5) }
        BEGIN { print l + r(x), t + r(y), r(x + w) - r(x), r(y + h) - r(y) }'
}

# The middle of such a rectangle: "x y".
twips_middle() {  # card_w card_h left top width height
    twips_rect "$@" | awk '{ print $1 + int($3 / 2), $2 + int($4 / 2) }'
}

# A board square's twips: "left top width height". Square 1 is bottom left, 795 x 750 twips,
# the next 840 twips on; the rows run either way in turn.
square_twips() {  # n
    local r=$((($1 - 1) / 10)) c=$((($1 - 1) % 10))
    [ $((r % 2)) -eq 1 ] && c=$((9 - c))
    echo $((3480 + 840 * c)) $((8160 - 840 * r)) 795 750
}

# Succeeds when two numbers, whole or not, differ by at most a tolerance.
near() {  # a b tolerance
    awk -v a="$1" -v b="$2" -v d="$3" 'BEGIN { exit !(a - b <= d && b - a <= d) }'
}

# Clicks the middle of a control given in twips inside a card.
click_twips() {  # card_w card_h left top width height
    click_at $(twips_middle "$@")
}

# --- The X server, the log, the end -----------------------------------------------------

KIVO_PID="" WM_PID="" XVFB_PID="" RUN_DIR="" LAST_SHOT="(none)" STEP=0 SHOT_NAME="" WHY=""

cleanup() {
    [ -n "$KIVO_PID" ] && kill "$KIVO_PID" 2>/dev/null && wait "$KIVO_PID"
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null && wait "$WM_PID"
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID"
    [ -n "$RUN_DIR" ] && rm -rf "$RUN_DIR"
}
trap cleanup EXIT

log() { printf '[%5.1fs] %s\n' "$(($(date +%s%N) / 1000000 - T0))e-3" "$*"; }
T0=$(($(date +%s%N) / 1000000))

# Xvfb on the first free display of ten; exports DISPLAY.
start_x() {  # first_display width height
    local d
    for d in $(seq "$1" $(($1 + 9))); do
        [ -e "/tmp/.X$d-lock" ] || [ -e "/tmp/.X11-unix/X$d" ] && continue
        Xvfb ":$d" -nolisten tcp -screen 0 "$2x$3x24" >/dev/null 2>&1 &
        XVFB_PID=$!
        for _ in $(seq 50); do
            kill -0 "$XVFB_PID" 2>/dev/null || break
            # Two runs may start a server on the same display at once: the lock names the
            # one that got it, and the other one ends and tries the next display.
            if xdpyinfo -display ":$d" >/dev/null 2>&1; then
                [ "$(tr -d ' \n' <"/tmp/.X$d-lock" 2>/dev/null)" = "$XVFB_PID" ] || break
                export DISPLAY=":$d"; return 0
            fi
            sleep 0.1
        done
        kill "$XVFB_PID" 2>/dev/null; XVFB_PID=""
    done
    fail "no free display in :$1..:$(($1 + 9)) for Xvfb"
}

# --- Screenshots ------------------------------------------------------------------------

# Retakes the step's screenshot until a check passes; fails with the check's last reason.
wait_until() {  # seconds check args...
    local end=$(($(date +%s%N) / 1000000 + $1 * 1000))
    shift
    while :; do
        "$@" && return 0
        [ $(($(date +%s%N) / 1000000)) -ge "$end" ] && fail "$WHY (after waiting, in $LAST_SHOT)"
        sleep 0.2
        reshoot
    done
}

pixel() { convert "$LAST_SHOT" -format "%[pixel:p{$1,$2}]" info:; }

# Bounding box of all pixels of one colour in the last shot, or with "other" of all pixels
# of any other colour: "x y w h", or nothing.
colour_box() {  # colour [other]
    local paint=(-fill black +opaque "$1" -fill white -opaque "$1")
    [ "${2:-}" = other ] && paint=(-fill white +opaque "$1" -fill black -opaque "$1")
    convert "$LAST_SHOT" "${paint[@]}" -format '%[fx:maxima] %@' info: 2>/dev/null |
        awk '$1 > 0 { split($2, g, /[x+]/); print g[3], g[4], g[1], g[2] }'
}
