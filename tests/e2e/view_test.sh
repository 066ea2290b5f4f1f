#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the real window under an X server (started by xvfb-run): two clicks on
# "Bet 1", the spin and its payout, then checks a screenshot.
# Usage: view_test.sh <kelvory binary> <screenshot checker> <output folder>
set -euo pipefail
program=$1
checker=$2
out=$3
mkdir -p "$out"
rm -f "$out"/*.png

home=$(mktemp -d)
pid=""
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    rm -rf "$home"
}
trap cleanup EXIT

HOME=$home XDG_CONFIG_HOME=$home SDL_AUDIODRIVER=dummy "$program" &
pid=$!

window=""
for _ in $(seq 1 100); do
    window=$(xdotool search --onlyvisible --name '^Kelvory$' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the window did not appear"; exit 1; }
sleep 1 # the first paint

eval "$(xdotool getwindowgeometry --shell "$window")"
# The client area is the bottom 394 rows, below the menu bar.
cx=$X
cy=$((Y + HEIGHT - 394))
echo "window $WIDTH x $HEIGHT at $X,$Y; client area at $cx,$cy"

shot() { import -window root "$1"; }
meters() { import -window root -crop "632x32+$cx+$cy" "$1"; }

shot "$out/start.png"
# "Bet 1" is 112 x 49 at (135, 341) of the client area.
xdotool mousemove $((cx + 191)) $((cy + 365)) click 1
sleep 0.2
xdotool click 1
sleep 1 # the half-second pause, then the spin
shot "$out/spinning.png"
sleep 2

# Wait until the meters stop changing: the payout has been counted.
meters "$out/meters-a.png"
stable=0
for _ in $(seq 1 60); do
    sleep 2
    meters "$out/meters-b.png"
    if cmp -s "$out/meters-a.png" "$out/meters-b.png"; then
        stable=1
        break
    fi
    mv "$out/meters-b.png" "$out/meters-a.png"
done
[ "$stable" = 1 ] || { echo "the meters never settled"; exit 1; }
shot "$out/final.png"
rm -f "$out"/meters-*.png
echo "screenshot: $out/final.png"

QT_QPA_PLATFORM=offscreen "$checker" "$out/start.png" "$out/spinning.png" "$out/final.png" "$cx" "$cy"
