#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the README's and the metainfo's screenshot from the real window: starts
# the game on a virtual X display (Xvfb) with a fresh settings folder, bets two
# credits with two clicks on "Bet 1", waits until the spin and its payout have
# ended, and saves the window (menu bar and client area) as a PNG.
# Usage: scripts/screenshot.sh [kelvory binary] [output PNG]
#   defaults: build/app/kelvory, docs/kelvory.png. Needs xvfb, xdotool and
#   imagemagick (scripts/install-deps.sh test).
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/app/kelvory}
out=${2:-docs/kelvory.png}
if [ -z "${KELVORY_SCREENSHOT_DISPLAY:-}" ]; then
  exec env KELVORY_SCREENSHOT_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program" "$out"
fi

home=$(mktemp -d)
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$home"
}
trap cleanup EXIT

HOME=$home XDG_CONFIG_HOME=$home SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb "$program" &
pid=$!
window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --onlyvisible --name '^Kelvory$' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "the window did not appear" >&2; exit 1; }
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
cx=$X
cy=$((Y + HEIGHT - 394)) # the client area is the bottom 394 rows

# "Bet 1" (112 x 49 at 135, 341 of the client area), twice: a two-credit spin.
xdotool mousemove $((cx + 191)) $((cy + 365)) click 1
sleep 0.2
xdotool click 1
sleep 3
# The payout has ended when the meters stop changing.
previous=""
for _ in $(seq 1 60); do
  current=$(import -window root -crop "632x32+$cx+$cy" rgb:- | md5sum)
  [ "$current" = "$previous" ] && break
  previous=$current
  sleep 1.5
done
xdotool mousemove 0 0
sleep 0.5
mkdir -p "$(dirname "$out")"
import -window "$window" -strip "$out"
echo "saved $out ($(identify -format '%w x %h' "$out"))"
