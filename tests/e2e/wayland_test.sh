#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program as a native Wayland client of a headless weston with its
# own runtime folder: it starts without printing a warning, weston's
# screenshot shows the composed window (its cyan reel panel) in the normal
# state with the desktop around it, and with Maxed=1 the window covers the
# whole screen; SIGTERM saves the game and ends the program within 2 s.
# Screenshots are kept in the output folder.
# Usage: wayland_test.sh <kelvory binary> <output folder>
set -euo pipefail
program=$1
out=$2
mkdir -p "$out"
rm -f "$out"/*.png
work=$(mktemp -d)
weston_pid=""
pid=""
case_name=""
cleanup() {
  if [ -n "$pid" ]; then kill -KILL "$pid" 2>/dev/null || true; fi
  if [ -n "$weston_pid" ]; then kill "$weston_pid" 2>/dev/null || true; wait "$weston_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL ($case_name): $*" >&2
  [ -s "$work/stderr" ] && { echo "-- the program printed:" >&2; cat "$work/stderr" >&2; }
  [ -s "$work/weston.log" ] && { echo "-- weston's log ends:" >&2; tail -5 "$work/weston.log" >&2; }
  exit 1
}
source "$(dirname "$0")/wait_for.sh"

# The compositor: no panel, a plain background of a colour the game never
# draws, no screen lock. --debug lets weston-screenshooter take shots.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
background='#203040'
cat >"$work/weston.ini" <<'INI'
[core]
idle-time=0

[shell]
panel-position=none
background-color=0xff203040
background-image=
locking=false
INI
socket=kelvory-test
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 \
  --socket=$socket --config="$work/weston.ini" --debug >"$work/weston.log" 2>&1 &
weston_pid=$!
wait_for '[ -S "$XDG_RUNTIME_DIR/$socket" ]' 20 || fail "weston did not start"

# Saves weston's picture of the whole screen as $out/$1.png.
shot() {
  local folder=$work/shots
  rm -rf "$folder" && mkdir "$folder"
  (cd "$folder" && WAYLAND_DISPLAY=$socket timeout 20 weston-screenshooter >/dev/null 2>&1) || return 1
  mv "$folder"/*.png "$out/$1.png"
}
# Pixels of one exact colour in a screenshot.
count() {
  convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:
}

# Starts the program with these [Settings] lines, on Wayland only, and waits
# until a screenshot shows its reel panel.
start() {
  case_name=$1
  rm -rf "$work/cfg"
  mkdir -p "$work/cfg"
  printf '[Settings]\n%s\n' "$2" >"$work/cfg/KELVRY.INI"
  env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$socket HOME="$work" \
    XDG_CONFIG_HOME="$work/cfg" SDL_AUDIODRIVER=dummy "$program" 2>"$work/stderr" &
  pid=$!
  wait_for 'shot "$case_name" && [ "$(count "$out/$case_name.png" "#00ffff")" -gt 10000 ]' 30 \
    || fail "no screenshot shows the window"
  # Drawn a second time: the window has settled in its state.
  sleep 1
  shot "$case_name" || fail "no screenshot"
}

# SIGTERM: the program ends within 2 s, having saved the game.
stop() {
  kill -TERM "$pid"
  local deadline=$(($(date +%s%N) + 2000000000))
  while kill -0 "$pid" 2>/dev/null; do
    [ "$(date +%s%N)" -lt $deadline ] || fail "still running 2 s after SIGTERM"
    sleep 0.05
  done
  wait "$pid" 2>/dev/null || true
  pid=""
  grep -q '^Credits=1000' "$work/cfg/KELVRY.INI" || fail "SIGTERM did not save the game"
}

start normal "Sound=0"
[ ! -s "$work/stderr" ] || fail "warnings at start"
[ "$(count "$out/normal.png" "$background")" -gt 100000 ] || fail "the normal window covers the screen"
stop

start maximised "Maxed=1"
[ ! -s "$work/stderr" ] || fail "warnings at start"
[ "$(count "$out/maximised.png" "$background")" -eq 0 ] || fail "Maxed=1 did not start maximised"
stop
grep -q '^Maxed=1' "$work/cfg/KELVRY.INI" || fail "the maximised state was not saved"
echo "Wayland OK: screenshots in $out"
