# What the whole-process scripts share: a private X server, and where kivo's cards and
# controls lie on a screen of SCREEN_W x SCREEN_H. Sourced. The script sets WORK, a
# scratch folder, and APP_PID, the program under test, which the exit trap ends.
# Card sizes travel as words ("w h"), split on purpose,
# and the colours and sizes are for the scripts that source this:
# shellcheck disable=SC2086,SC2034 shell=bash

PALE=ffe0c0           # title card and set-up ground, 0x00C0E0FF
SQUARE1=9b6fc4        # the board's square 1, (155,111,196)

# Cards by their design size in pixels (15 twips to the pixel).
SPLASH="351 218" SETUP="358 387" BOARD="790 600"

# The scale of kivo's cards: the board's design fits the screen, s = min(W/790, H/600).
S=$(awk -v W="$SCREEN_W" -v H="$SCREEN_H" 'BEGIN { s = W / 790; if (H / 600 < s) s = H / 600; printf "%.17g\n", s }')

# Where Qt puts a centred window: the screen's centre less the window's centre. The floor's
# label is placed so, at its design size.
centred() { echo $(( (SCREEN_W - 1) / 2 - ($1 - 1) / 2 )) $(( (SCREEN_H - 1) / 2 - ($2 - 1) / 2 )); }

# A card's top-left corner on the screen: "left top". A card of w x h design pixels is
# round(w*s) x round(h*s), centred on the stage with the spare pixels halved and rounded down.
card_at() {  # card_w card_h
    awk -v W="$SCREEN_W" -v H="$SCREEN_H" -v s="$S" -v w="$1" -v h="$2" '
        function r(x) { return int(x + 0.5) }
        BEGIN { print int((W - r(w * s)) / 2), int((H - r(h * s)) / 2) }'
}

# A point inside a control given in twips inside a card, on the screen: "x y", its middle
# unless a fraction of its width and height is given. Edges lie round(twips*s/15) from the
# card's corner.
twips_point() {  # card_w card_h left top width height [fx fy]
    local l t
    read -r l t < <(card_at "$1" "$2")
    awk -v s="$S" -v l="$l" -v t="$t" -v x="$3" -v y="$4" -v w="$5" -v h="$6" -v fx="${7:-0.5}" -v fy="${8:-0.5}" '
        function r(v) { return int(v * s / 15 + 0.5) }
        BEGIN { print l + r(x) + int((r(x + w) - r(x)) * fx), t + r(y) + int((r(y + h) - r(y)) * fy) }'
}

WORK=$(mktemp -d /tmp/kivo-bench.XXXXXX)
XVFB_PID="" APP_PID=""
cleanup() {
    set +e   # a program killed here exits non-zero; the X server must go all the same
    if [ -n "$APP_PID" ]; then kill "$APP_PID" 2>/dev/null; wait "$APP_PID" 2>/dev/null; fi
    if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; fi
    rm -rf "$WORK"
}
trap cleanup EXIT

start_x() {
    local d i
    for d in 80 81 82 83 84 85 86 87 88 89; do
        { [ -e "/tmp/.X$d-lock" ] || [ -e "/tmp/.X11-unix/X$d" ]; } && continue
        Xvfb ":$d" -nolisten tcp -br -screen 0 "${SCREEN_W}x${SCREEN_H}x24" >/dev/null 2>&1 &
        XVFB_PID=$!
        for i in $(seq 50); do
            kill -0 "$XVFB_PID" 2>/dev/null || break
            if DISPLAY=":$d" xdotool getdisplaygeometry >/dev/null 2>&1; then
                export DISPLAY=":$d"
                return 0
            fi
            sleep 0.1
        done
        kill "$XVFB_PID" 2>/dev/null; XVFB_PID=""
    done
    echo "no free display in :80..:89" >&2
    exit 1
}

now_us() { echo "${EPOCHREALTIME/./}"; }   # the wall clock, as date +%s%N / 1000, without a fork


# Kivo's resident memory now and its peak so far, in KiB: "rss peak".
memory_kib() { awk '/^VmRSS/ { r = $2 } /^VmHWM/ { h = $2 } END { print r, h }' /proc/"$1"/status; }
