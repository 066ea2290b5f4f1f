#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Maximise and restore the real window under a window manager (openbox on
# Xvfb, driven with wmctrl) on 800 x 600, 1024 x 768 and 1920 x 1080 screens,
# switch full screen on and off by key, and maximise it on 800 x 600 with
# "kelvry2.bmp" missing. Screenshots are
# kept in the output folder and checked by the composition checker.
# Usage: window_states_test.sh <kelvory binary> <composition checker> <output folder>
#        window_states_test.sh --screen <name> <kelvory> <checker> <output> [missing artwork]
set -euo pipefail

if [ "${1:-}" != "--screen" ]; then
    program=$1
    checker=$2
    out=$3
    mkdir -p "$out"
    rm -f "$out"/*.png
    status=0
    for screen in 800x600 1024x768 1920x1080; do
        echo "== $screen"
        xvfb-run -a -s "-screen 0 ${screen}x24" "$0" --screen "$screen" "$program" "$checker" \
            "$out" || status=1
    done
    echo "== 800x600 without kelvry2.bmp"
    xvfb-run -a -s "-screen 0 800x600x24" "$0" --screen 800x600-no-kelvry2 "$program" \
        "$checker" "$out" kelvry2.bmp || status=1
    exit $status
fi

name=$2
program=$3
checker=$4
out=$5
missing=${6:-}

source "$(dirname "$0")/game_under_window_manager.sh"

# A program folder of links to the real one, without the missing artwork.
dir=$(cd "$(dirname "$program")" && pwd)
if [ -n "$missing" ]; then
    source_dir=$dir
    dir=$home/program
    mkdir -p "$dir"
    for f in "$source_dir"/*; do
        [ "$(basename "$f")" = "$missing" ] || ln -s "$f" "$dir/"
    done
    rm -f "$dir/$(basename "$program")"
    cp "$program" "$dir/"
fi

HOME=$home XDG_CONFIG_HOME=$home SDL_AUDIODRIVER=dummy "$dir/$(basename "$program")" &
pid=$!

window=""
for _ in $(seq 1 100); do
    window=$(xdotool search --onlyvisible --name '^Kelvory$' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the window did not appear"; exit 1; }
sleep 1 # the first paint

size() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    echo "$WIDTH $HEIGHT"
}
# The window's own picture (menu bar and client area) and the whole screen.
shot() {
    import -window "$window" "$out/$name-$1.png"
    import -window root "$out/$name-$1-screen.png"
}
read -r width height < <(size)
menu=$((height - 394))
echo "normal window $width x $height, menu bar $menu"
[ "$width" = 632 ] || { echo "FAILED: the normal client area is $width wide"; exit 1; }
shot normal

# Waits until the window's size differs from (or equals) the one given.
wait_size() {
    for _ in $(seq 1 50); do
        read -r w h < <(size)
        if [ "$1" = changed ] && [ "$w $h" != "$2" ]; then return 0; fi
        if [ "$1" = is ] && [ "$w $h" = "$2" ]; then return 0; fi
        sleep 0.1
    done
    return 1
}

wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
wait_size changed "$width $height" || { echo "FAILED: maximising changed nothing"; exit 1; }

if [ -n "$missing" ]; then
    # The error box: answer it with OK, then the program must still run.
    box=""
    for _ in $(seq 1 100); do
        box=$(xdotool search --onlyvisible --name '^Kelvory$' 2>/dev/null | grep -v "^$window\$" |
            head -1 || true)
        [ -n "$box" ] && break
        sleep 0.1
    done
    [ -n "$box" ] || { echo "FAILED: no error box"; exit 1; }
    sleep 0.5
    import -window root "$out/$name-error-screen.png"
    xdotool windowactivate --sync "$box" key Return || true
    sleep 1
    kill -0 "$pid" 2>/dev/null || { echo "FAILED: the program died after the error box"; exit 1; }
    echo "ok: still running after the error box"
fi
sleep 1
read -r mw mh < <(size)
echo "maximised window $mw x $mh"
shot maximised
if [ -n "$missing" ]; then
    QT_QPA_PLATFORM=offscreen "$checker" --buttons "$out/$name-maximised.png" "$menu"
else
    QT_QPA_PLATFORM=offscreen "$checker" "$out/$name-maximised.png" "$menu"
fi

wmctrl -i -r "$window" -b remove,maximized_vert,maximized_horz
wait_size is "$width $height" || { echo "FAILED: restored to $(size), not $width $height"; exit 1; }
sleep 1
shot restored
QT_QPA_PLATFORM=offscreen "$checker" "$out/$name-restored.png" "$menu"
kill -0 "$pid" 2>/dev/null || { echo "FAILED: the program died"; exit 1; }
echo "ok: restored to a client area of 632 x 394"
[ -n "$missing" ] && exit 0

# F11 fills the screen, composed like the maximised window; Escape leaves.
xdotool windowactivate --sync "$window" key F11
wait_size changed "$width $height" || { echo "FAILED: F11 changed nothing"; exit 1; }
sleep 1
read -r fw fh < <(size)
echo "full screen window $fw x $fh"
shot full-screen
QT_QPA_PLATFORM=offscreen "$checker" "$out/$name-full-screen.png" "$menu"
xdotool key Escape
wait_size is "$width $height" || { echo "FAILED: Escape left $(size), not $width $height"; exit 1; }
echo "ok: Escape returned to the normal window"

# Closed maximised, the next start opens maximised, and composed.
wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
wait_size changed "$width $height" || { echo "FAILED: maximising changed nothing"; exit 1; }
wmctrl -i -c "$window"
wait "$pid" || true
pid=""
grep -q '^Maxed=1' "$home/KELVRY.INI" || { echo "FAILED: Maxed=1 not saved"; exit 1; }
HOME=$home XDG_CONFIG_HOME=$home SDL_AUDIODRIVER=dummy "$dir/$(basename "$program")" &
pid=$!
window=""
for _ in $(seq 1 100); do
    window=$(xdotool search --onlyvisible --name '^Kelvory$' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "FAILED: the window did not appear again"; exit 1; }
sleep 1.5
read -r sw sh < <(size)
echo "started again at $sw x $sh"
[ "$sw $sh" != "$width $height" ] || { echo "FAILED: not started maximised"; exit 1; }
shot started-maximised
QT_QPA_PLATFORM=offscreen "$checker" "$out/$name-started-maximised.png" "$menu"
