#!/usr/bin/env bash
# The whole program in a private X server:
#  1. start-up: from the process's start to the first painted frame of the title card, and
#     the peak resident memory, for kivo and for the floor (one frameless label, the title
#     card's design size and colour, built the same way), run in turn, with the floor that
#     also shows a full-screen backdrop first alongside for comparison;
#  2. idle: kivo on the board waiting for "Shuffle" for ten seconds, reached with real keys
#     and clicks: the CPU time it uses, its wake-ups, and what its threads sleep on.
# Usage: process.sh [runs] [build-folder] [WxH]
#   runs: 7 of each unless given; 0: idle only. build-folder: build/bench unless given.
#   WxH: the X server's screen, 1280x800 unless given.
# Needs: Xvfb, xdotool, strace, /usr/bin/time, and the build's kivo, kivo_floor, pixelwait.
# Card sizes travel as words ("w h"), split on purpose:
# shellcheck disable=SC2086
set -euo pipefail
cd "$(dirname "$0")/.."

RUNS=${1:-7}
BUILD=${2:-build/bench}
SIZE=${3:-1280x800}
[[ "$SIZE" =~ ^([0-9]+)x([0-9]+)$ ]] || { echo "screen size '$SIZE' is not WxH" >&2; exit 2; }
SCREEN_W=${BASH_REMATCH[1]} SCREEN_H=${BASH_REMATCH[2]}
KIVO=$BUILD/app/kivo
FLOOR=$BUILD/bench/kivo_floor
PIXELWAIT=$BUILD/bench/pixelwait
for f in "$KIVO" "$FLOOR" "$PIXELWAIT"; do
    [ -x "$f" ] || { echo "missing $f: build with -DKIVO_BENCH=ON first" >&2; exit 1; }
done
# shellcheck source=bench/screen.sh
source bench/screen.sh
for tool in Xvfb xdotool strace /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
done

SETTLE=1              # seconds a started program stays up after its first frame
IDLE=10               # seconds on the board, measured

read -r CARD_X CARD_Y < <(card_at $SPLASH)      # the title card, 5265 x 3270 twips
read -r FLOOR_X FLOOR_Y < <(centred $SPLASH)    # the floor's label
read -r SETUP_X SETUP_Y < <(card_at $SETUP)     # the set-up card, 5370 x 5805 twips
read -r OK_X OK_Y < <(twips_point $SETUP 720 2640 1215 495)     # "Ok" on the set-up card
read -r GO_X GO_Y < <(twips_point $SETUP 720 3360 1215 495)     # "GO"
# The board is known by its square 1 in its colour (a tenth in from its left edge, half-way
# down: clear of its number), where the set-up card never lies.
read -r SQ1_X SQ1_Y < <(twips_point $BOARD 3480 8160 795 750 0.1 0.5)

# CPU nanoseconds a process's threads alive now have used (schedstat: exact, not in clock
# ticks). Read once, a second after the first frame: no thread of kivo's has ended by then
# (the sum is its process CPU clock to the nanosecond).
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ s += $1 } END { print s }'; }

# start_once x y program [argument]: prints "microseconds-to-first-frame peak-rss-kib
# cpu-microseconds", the first frame being the title card's colour at x, y.
# The CPU time is read at the end of the settling second: after its first frame the program
# only waits, so it is the CPU time its start took.
start_once() {
    local rss=$WORK/rss t0 t1 kid cpu x=$1 y=$2
    shift 2
    t0=$(now_us)
    /usr/bin/time -f %M -o "$rss" "$@" >/dev/null 2>&1 &
    APP_PID=$!
    if ! t1=$("$PIXELWAIT" $((x + 3)) $((y + 3)) "$PALE" 20000 fresh); then
        echo "$1: no title card at $x,$y" >&2
        exit 1
    fi
    sleep "$SETTLE"
    kid=$(pgrep -P "$APP_PID")
    cpu=$(cpu_ns "$kid")
    kill "$kid"
    wait "$APP_PID" || true
    APP_PID=""
    echo $((t1 / 1000 - t0)) "$(tail -1 "$rss")" $((cpu / 1000))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

start_x
echo "display $DISPLAY ${SCREEN_W}x${SCREEN_H}, scale $S; title card at $CARD_X,$CARD_Y, the floor's at $FLOOR_X,$FLOOR_Y"

# --- Start-up -----------------------------------------------------------------------------
if [ "$RUNS" -gt 0 ]; then
    start_once "$FLOOR_X" "$FLOOR_Y" "$FLOOR" >/dev/null   # fontconfig's caches and the page cache, for both
    start_once "$CARD_X" "$CARD_Y" "$KIVO" >/dev/null
    : >"$WORK/floor" && : >"$WORK/kivo" && : >"$WORK/floor+bd"
    # The floor with a backdrop as well runs alongside, for comparison only.
    for i in $(seq "$RUNS"); do
        if [ $((i % 2)) -eq 1 ]; then order="floor kivo floor+bd"; else order="floor+bd kivo floor"; fi
        for who in $order; do
            case $who in
                kivo) cmd=("$CARD_X" "$CARD_Y" "$KIVO") ;;
                floor) cmd=("$FLOOR_X" "$FLOOR_Y" "$FLOOR") ;;
                *) cmd=("$FLOOR_X" "$FLOOR_Y" "$FLOOR" backdrop) ;;
            esac
            read -r us kib cpu < <(start_once "${cmd[@]}")
            [ -n "${cpu:-}" ] || { echo "$who: run $i failed" >&2; exit 1; }
            echo "$us $kib $cpu" >>"$WORK/$who"
            printf 'run %2d %-8s first frame %7.1f ms   CPU %6.1f ms   peak RSS %6d KiB\n' "$i" "$who" \
                "$(echo "$us / 1000" | bc -l)" "$(echo "$cpu / 1000" | bc -l)" "$kib"
        done
    done
    FLOOR_MS=$(awk '{ print $1 / 1000 }' "$WORK/floor" | median)
    KIVO_MS=$(awk '{ print $1 / 1000 }' "$WORK/kivo" | median)
    FLOOR_BEST=$(awk '{ print $1 / 1000 }' "$WORK/floor" | sort -n | head -1)
    KIVO_BEST=$(awk '{ print $1 / 1000 }' "$WORK/kivo" | sort -n | head -1)
    FLOOR_CPU=$(awk '{ print $3 / 1000 }' "$WORK/floor" | median)
    KIVO_CPU=$(awk '{ print $3 / 1000 }' "$WORK/kivo" | median)
    FLOOR_KIB=$(awk '{ print $2 }' "$WORK/floor" | median)
    KIVO_KIB=$(awk '{ print $2 }' "$WORK/kivo" | median)
    echo
    echo "start-up, median of $RUNS runs each (load average $(cut -d' ' -f1-3 /proc/loadavg)):"
    printf '  first frame: kivo %.1f ms, floor %.1f ms, kivo/floor %.2f (goal at 1280x800 <= 1.25)\n' \
        "$KIVO_MS" "$FLOOR_MS" "$(echo "$KIVO_MS / $FLOOR_MS" | bc -l)"
    printf '  fastest run: kivo %.1f ms, floor %.1f ms, kivo/floor %.2f\n' \
        "$KIVO_BEST" "$FLOOR_BEST" "$(echo "$KIVO_BEST / $FLOOR_BEST" | bc -l)"
    printf '  CPU to it:   kivo %.1f ms, floor %.1f ms, kivo/floor %.2f\n' \
        "$KIVO_CPU" "$FLOOR_CPU" "$(echo "$KIVO_CPU / $FLOOR_CPU" | bc -l)"
    printf '  peak RSS:    kivo %d KiB, floor %d KiB, kivo/floor %.2f (goal at 1280x800 <= 1.15)\n' \
        "$KIVO_KIB" "$FLOOR_KIB" "$(echo "$KIVO_KIB / $FLOOR_KIB" | bc -l)"
    # A full-screen window's backing store: the least a program showing one can add.
    BUFFER_KIB=$((SCREEN_W * SCREEN_H * 4 / 1024))
    printf '  against the floor plus one screen-sized buffer (%d KiB): kivo/it %.2f (goal <= 1.10)\n' \
        "$BUFFER_KIB" "$(echo "$KIVO_KIB / ($FLOOR_KIB + $BUFFER_KIB)" | bc -l)"
    BD_MS=$(awk '{ print $1 / 1000 }' "$WORK/floor+bd" | median)
    BD_CPU=$(awk '{ print $3 / 1000 }' "$WORK/floor+bd" | median)
    BD_KIB=$(awk '{ print $2 }' "$WORK/floor+bd" | median)
    printf '  floor with a backdrop: first frame %.1f ms (kivo/it %.2f), CPU %.1f ms (%.2f), peak RSS %d KiB (%.2f)\n' \
        "$BD_MS" "$(echo "$KIVO_MS / $BD_MS" | bc -l)" "$BD_CPU" "$(echo "$KIVO_CPU / $BD_CPU" | bc -l)" \
        "$BD_KIB" "$(echo "$KIVO_KIB / $BD_KIB" | bc -l)"
fi

# --- Idle on the board --------------------------------------------------------------------
# The idle figures are differences between two readings 10 s apart, and a thread may end or
# start in between (Qt's pool threads retire after 30 s with nothing to do), so neither
# reading may be a sum over the threads alive at the time.
#
# CPU time: utime + stime from /proc/PID/stat (fields 14 and 15, in clock ticks; 16 and 17
# are the children's and are left out) is the process's own total: a thread's time is added
# to it when the thread ends, so it never goes back.
# The fields are counted after the command name, which may hold blanks.
ticks() { sed 's/^.*) //' /proc/"$1"/stat | awk '{ print $12 + $13 }'; }

# Context switches (every wake-up is one) have no such total to be read from outside: the
# voluntary_ctxt_switches and nonvoluntary_ctxt_switches of /proc/PID/status are the main
# thread's alone (on Linux 6.18 the same as /proc/PID/task/PID/status, well short of the sum
# over the threads), and the kernel keeps the ended threads' switches only for getrusage()
# inside the process. So they are read thread by thread, with each thread's exact CPU time
# from schedstat beside them: one line a thread, "id cpu-ns switches". The id is the
# thread's number and its start time (field 22 of its stat), so that a later thread given
# the same number is not taken for it. A thread that ends while it is read is left out, as
# if it had ended just before.
thread_counts() {
    local t stat ns status
    for t in /proc/"$1"/task/*; do
        { read -r stat <"$t/stat" && read -r ns _ <"$t/schedstat" && status=$(<"$t/status"); } 2>/dev/null || continue
        stat=${stat##*') '}
        awk -v id="${t##*/}@$(cut -d' ' -f20 <<<"$stat")" -v ns="$ns" '
            /ctxt_switches/ { s += $2 } END { print id, ns, s }' <<<"$status"
    done
}

"$KIVO" >"$WORK/kivo.log" 2>&1 &
APP_PID=$!
"$PIXELWAIT" $((CARD_X + 3)) $((CARD_Y + 3)) "$PALE" 20000 >/dev/null
sleep 0.3
xdotool key space                                          # any key leaves the title card
"$PIXELWAIT" $((SETUP_X + 3)) $((SETUP_Y + 3)) "$PALE" 10000 >/dev/null
sleep 0.3
xdotool mousemove "$OK_X" "$OK_Y" click 1    # "Ok"
sleep 0.5
xdotool mousemove "$GO_X" "$GO_Y" click 1    # "GO"
if ! "$PIXELWAIT" "$SQ1_X" "$SQ1_Y" "$SQUARE1" 10000 >/dev/null; then
    echo "the board did not open" >&2
    exit 1
fi
BOARD_AT=$(now_us)
xdotool mousemove 0 0   # the pointer off the board: nothing under it to hover
sleep 2

HZ=$(getconf CLK_TCK)
# idle_window seconds: CPU time and wake-ups of the waiting board over that many seconds.
idle_window() {
    local k0 k1 ns sw ended born
    thread_counts "$APP_PID" >"$WORK/threads0"
    k0=$(ticks "$APP_PID")
    sleep "$1"
    thread_counts "$APP_PID" >"$WORK/threads1"
    k1=$(ticks "$APP_PID")
    # A thread's counts only grow. One read both times adds its second reading less its
    # first; one that started in between ran only in the window and adds all it has; one
    # that ended in between adds nothing (rather than its first reading taken away), so the
    # sums never go below zero. What an ended thread did between the first reading and its
    # end is missing from them (and all of one that came and went in between), though it is
    # in utime + stime: the line says how many threads ended.
    read -r ns sw ended born < <(awk '
        NR == FNR { c[$1] = $2; s[$1] = $3; next }
        $1 in c { dc += $2 - c[$1]; ds += $3 - s[$1]; delete c[$1]; next }
        { dc += $2; ds += $3; born++ }
        END { for (id in c) ended++; print dc + 0, ds + 0, ended + 0, born + 0 }' "$WORK/threads0" "$WORK/threads1")
    printf '  CPU %d ms (utime+stime, the whole process, 1/%d s ticks), %.3f ms (schedstat, by thread); context switches %d (by thread); threads ended %d, started %d\n' \
        $(((k1 - k0) * 1000 / HZ)) "$HZ" "$(echo "$ns / 1000000" | bc -l)" "$sw" "$ended" "$born"
}
# The memory with the board up, the stage's full-screen backing store part of it.
echo
awk '/^VmHWM/ { hwm = $2 } /^VmRSS/ { rss = $2 }
     END { printf "on the board, 2 s after it opened: resident %d KiB, peak so far %d KiB\n", rss, hwm }' \
    /proc/"$APP_PID"/status
echo "idle on the board, $IDLE s from 2 s after it opened (goal < 10 ms CPU):"
idle_window "$IDLE"

# What each thread sleeps on: poll is system call 7, its third argument the timeout in ms
# (0xffffffff is -1: no timer armed at all); 202 is a futex wait.
echo "  each thread's system call now (number, first three arguments):"
for t in /proc/"$APP_PID"/task/*; do
    printf '    %-16s %s\n' "$(cat "$t/comm")" "$(cut -d' ' -f1-4 "$t/syscall")"
done

# Every system call of every thread over the next WATCH seconds: a timer that fires wakes
# its thread out of poll.
WATCH=${WATCH:-40}
timeout "$WATCH" strace -f -tt -T -p "$APP_PID" -o "$WORK/strace" >/dev/null 2>&1 || true
echo "  under strace for $WATCH s more: every system call that returned, seconds after the board opened:"
awk -v base="$BOARD_AT" -v main="$APP_PID" '
    !/<unfinished \.\.\.>$|<detached \.\.\.>$/ {
        split($2, t, ":"); s = t[1] * 3600 + t[2] * 60 + t[3]
        # strace stamps a whole call at its start and a resumed one at its return; -T gives
        # how long a call took, so a whole call returned that much later.
        if (!/resumed>/ && match($0, /<[0-9.]+>$/)) s += substr($0, RSTART + 1, RLENGTH - 2)
        sub(/ <[0-9.]+>$/, "")
        printf "    %6.1f s  %s %s\n", s - (base / 1e6 % 86400), ($1 == main ? "main thread:" : "thread " $1 ":"), substr($0, index($0, $3))
    }' "$WORK/strace" | cut -c1-110
echo "  then $IDLE s more:"
idle_window "$IDLE"
