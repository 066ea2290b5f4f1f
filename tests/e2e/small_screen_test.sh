#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program on an 800 x 600 screen under a window manager: the
# statistics window opens over the main window, whole on the screen with its
# frame, and Return closes it; the sound browser, closed by its close box
# while the completion list of its file name shows, leaves no window behind.
# Usage (on an 800 x 600 X display): small_screen_test.sh <kelvory binary>
set -euo pipefail

program=$1
source "$(dirname "$0")/game_under_window_manager.sh"

# Polls a command for up to 10 s.
wait_for() {
    for _ in $(seq 1 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
shown() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
is_shown() { [ -n "$(shown "$1")" ]; }
is_gone() { [ -z "$(shown "$1")" ]; }
# The program's windows on the screen, popups included.
window_count() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
# A window's client area on the screen: x y width height.
client() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
        /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}
# The window manager's frame around it: left right top bottom.
frame() { xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g'; }

# The browser starts in the working folder, where two sounds begin with "kel".
mkdir -p "$home/sounds"
touch "$home/sounds/kelvin1.wav" "$home/sounds/kelvin2.wav"
cd "$home/sounds"
HOME=$home XDG_CONFIG_HOME=$home SDL_AUDIODRIVER=dummy "$program" &
pid=$!
wait_for is_shown '^Kelvory$' || { echo "FAILED: the window did not appear"; exit 1; }
main=$(shown '^Kelvory$')
sleep 1 # the first paint

xdotool windowactivate --sync "$main" key ctrl+t
wait_for is_shown '^Kelvory Statistics$' || { echo "FAILED: no statistics window"; exit 1; }
statistics=$(shown '^Kelvory Statistics$')
sleep 0.5 # placed by the window manager
read -r mx my mw mh < <(client "$main")
read -r sx sy sw sh < <(client "$statistics")
read -r left right top bottom < <(frame "$statistics")
echo "main window $mw x $mh at $mx, $my; statistics $sw x $sh at $sx, $sy, frame $left $right $top $bottom"
if [ $((sx - left)) -lt 0 ] || [ $((sy - top)) -lt 0 ] ||
    [ $((sx + sw + right)) -gt 800 ] || [ $((sy + sh + bottom)) -gt 600 ]; then
    echo "FAILED: the statistics window runs off the screen"
    exit 1
fi
offset=$(((sx + sw / 2) - (mx + mw / 2)))
[ "${offset#-}" -le 12 ] || { echo "FAILED: the statistics window is $offset px off centre"; exit 1; }
xdotool windowactivate --sync "$statistics" key Return
wait_for is_gone '^Kelvory Statistics$' || { echo "FAILED: Return left it open"; exit 1; }
echo "ok: the statistics window"

xdotool windowactivate --sync "$main" key alt+o
sleep 0.3
xdotool key s
sleep 0.3
xdotool key Up Return
wait_for is_shown '^Change Sounds' || { echo "FAILED: no sound dialog"; exit 1; }
sounds=$(shown '^Change Sounds')
before=$(window_count)
sleep 0.5
xdotool mousemove --window "$sounds" 216 52 click 1 # the first "Change"
wait_for is_shown '^Open$' || { echo "FAILED: no file browser"; exit 1; }
sleep 0.5
xdotool type --delay 100 kel
completions() { [ "$(window_count)" -ge $((before + 2)) ]; }
wait_for completions || { echo "FAILED: no completion list"; exit 1; }
wmctrl -c Open
wait_for is_gone '^Open$' || { echo "FAILED: the browser stayed open"; exit 1; }
sleep 0.5
after=$(window_count)
[ "$after" -eq "$before" ] || { echo "FAILED: $((after - before)) window(s) left behind"; exit 1; }
echo "ok: the completion list closed with the browser"
