#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Full screen under a window manager (openbox on Xvfb) on 800 x 600,
# 1024 x 768 and 1920 x 1080 screens: F11 and Escape five times from the
# normal window and five times from the maximised one, the frame back at its
# exact place and state each time and the normal place kept through the
# maximised rounds; a window closed in full screen over the maximised one
# saves Maxed=1 and FullScreen=1 and starts again in full screen; one started
# in full screen over the normal window leaves it for the centred window.
# Usage: full_screen_test.sh <kelvory binary>
#        full_screen_test.sh --screen <WxH> <kelvory binary>
set -euo pipefail

if [ "${1:-}" != "--screen" ]; then
    status=0
    for screen in 800x600 1024x768 1920x1080; do
        echo "== $screen"
        xvfb-run -a -s "-screen 0 ${screen}x24" "$0" --screen "$screen" "$1" || status=1
    done
    exit $status
fi

screen=$2
program=$3
fail() {
    echo "FAILED on $screen: $*"
    exit 1
}

source "$(dirname "$0")/game_under_window_manager.sh"

window=""
start() {
    HOME=$home XDG_CONFIG_HOME=$home SDL_AUDIODRIVER=dummy "$program" &
    pid=$!
    window=""
    for _ in $(seq 1 100); do
        # The window manager may not list its clients yet.
        window=$(wmctrl -l 2>/dev/null | awk '$NF == "Kelvory" { print $1; exit }' || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || fail "the window did not appear"
    sleep 1 # the first layout and paint
}

# The window as the window manager keeps it: frame place, size and states.
frame() {
    local states
    states=$(xprop -id "$window" _NET_WM_STATE 2>/dev/null | grep -o '_NET_WM_STATE_[A-Z_]*' |
        grep -E 'FULLSCREEN|MAXIMIZED' | sort | tr '\n' ' ' || true)
    wmctrl -lG 2>/dev/null | awk -v w="$window" -v s="$states" '$1 == w { print $3, $4, $5, $6, s }' ||
        true
}
# Waits until the frame is the one given, and checks that it stays so.
expect_frame() {
    local want=$1 what=$2
    for _ in $(seq 1 50); do
        [ "$(frame)" = "$want" ] && break
        sleep 0.1
    done
    sleep 0.3
    [ "$(frame)" = "$want" ] || fail "$what: frame '$(frame)', not '$want'"
}
width=${screen%x*}
height=${screen#*x}
full="0 0 $width $height _NET_WM_STATE_FULLSCREEN "
key() {
    xdotool windowactivate --sync "$window" key "$1"
}
rounds() {
    local back=$1 what=$2
    for round in 1 2 3 4 5; do
        key F11
        expect_frame "$full" "$what, F11 round $round"
        key Escape
        expect_frame "$back" "$what, Escape round $round"
    done
    echo "ok: $what: five rounds back at $back"
}

start
normal=$(frame)
echo "normal frame: $normal"
case $normal in *_NET_WM_STATE*) fail "started in state $normal" ;; esac
rounds "$normal" "from the normal window"

wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
for _ in $(seq 1 50); do
    case $(frame) in *MAXIMIZED_HORZ*MAXIMIZED_VERT*) break ;; esac
    sleep 0.1
done
sleep 0.5
maximised=$(frame)
echo "maximised frame: $maximised"
case $maximised in *MAXIMIZED_HORZ*MAXIMIZED_VERT*) ;; *) fail "not maximised: $maximised" ;; esac
rounds "$maximised" "from the maximised window"
wmctrl -i -r "$window" -b remove,maximized_vert,maximized_horz
expect_frame "$normal" "restored after the maximised rounds"
echo "ok: restored to the normal place"

# Closed in full screen over the maximised window.
wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
expect_frame "$maximised" "maximised again"
key F11
expect_frame "$full" "full screen before closing"
wmctrl -i -c "$window"
wait "$pid" || true
pid=""
grep -qx 'Maxed=1' "$home/KELVRY.INI" || fail "Maxed=1 not saved: $(grep Maxed "$home/KELVRY.INI")"
grep -qx 'FullScreen=1' "$home/KELVRY.INI" || fail "FullScreen=1 not saved"
echo "ok: closed in full screen saves Maxed=1 and FullScreen=1"

start
expect_frame "$full" "started again"
key Escape
expect_frame "$maximised" "Escape after the start in full screen"
echo "ok: started in full screen, Escape returns to the maximised window"

# Started in full screen over the normal window: Escape shows it centred, as
# at the first start.
wmctrl -i -c "$window"
wait "$pid" || true
pid=""
sed -i -e 's/^Maxed=.*/Maxed=0/' -e 's/^FullScreen=.*/FullScreen=1/' "$home/KELVRY.INI"
start
expect_frame "$full" "started in full screen over the normal window"
key Escape
for _ in $(seq 1 50); do
    case $(frame) in *_NET_WM_STATE*) sleep 0.1 ;; *) break ;; esac
done
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
off_x=$((X + WIDTH / 2 - width / 2))
off_y=$((Y + HEIGHT / 2 - height / 2))
case "$(frame)" in
*_NET_WM_STATE*) fail "Escape after a start in full screen left $(frame)" ;;
esac
[ "$WIDTH" = 632 ] || fail "the normal window is $WIDTH wide after a start in full screen"
[ ${off_x#-} -le 40 ] && [ ${off_y#-} -le 40 ] ||
    fail "the normal window after a start in full screen is off centre by $off_x, $off_y"
echo "ok: Escape after a start in full screen shows the normal window centred"
