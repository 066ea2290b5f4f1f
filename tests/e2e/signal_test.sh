#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Termination signals sent to the real program on an X server (run under
# xvfb-run): with the bet message open, during a spin, during a long win or
# lose sound, with each dialog open, with the start-up box of a missing sound
# up, and SIGTERM followed by SIGKILL during a slow spin. The program must end
# within 2 s and KELVRY.INI must hold the game. Last, SIGKILL right after a
# spin's payout: the save after every spin keeps it.
# Usage: signal_test.sh <kelvory binary>
set -euo pipefail
program=$1
work=$(mktemp -d)
pid=""
case_name=""
audio=dummy # SDL's audio driver; "disk" writes the output to audio.raw
cleanup() {
    if [ -n "$pid" ]; then kill -KILL "$pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL ($case_name): $*"
    [ -f "$work/cfg/KELVRY.INI" ] && cat "$work/cfg/KELVRY.INI"
    [ -f "$work/stderr" ] && tail -5 "$work/stderr"
    exit 1
}

# A WAV of 90 s, 8-bit mono at 8000 Hz: silent, or a constant level that
# shows in the audio output (octal byte value as the second argument).
le32() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))\\x$(printf %02x $((($1 >> 16) & 255)))\\x$(printf %02x $((($1 >> 24) & 255)))"; }
long_wav() {
    local bytes=720000
    {
        printf 'RIFF'; le32 $((36 + bytes)); printf 'WAVEfmt '; le32 16
        printf '\x01\x00\x01\x00'; le32 8000; le32 8000; printf '\x01\x00\x08\x00'
        printf 'data'; le32 $bytes
        head -c $bytes /dev/zero | tr '\0' "\\${2:-200}"
    } >"$1"
}

# Starts the program (or the one given third) with these [Settings] lines and
# finds its window.
start() {
    case_name=$1
    rm -rf "$work/cfg"
    mkdir -p "$work/cfg"
    printf '[Settings]\n%s\n' "$2" >"$work/cfg/KELVRY.INI"
    XDG_CONFIG_HOME=$work/cfg HOME=$work SDL_AUDIODRIVER=$audio SDL_DISKAUDIOFILE=$work/audio.raw "${3:-$program}" 2>"$work/stderr" &
    pid=$!
    window=""
    for _ in $(seq 1 100); do
        window=$(xdotool search --onlyvisible --pid "$pid" --name '^Kelvory$' 2>/dev/null | head -1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || fail "the window did not appear"
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$window")"
    cx=$X
    cy=$((Y + HEIGHT - 394)) # the client area is the bottom 394 rows
}

# "Bet 1" twice: a stake of 2, then the spin.
bet_two() {
    xdotool mousemove $((cx + 191)) $((cy + 365)) click 1
    sleep 0.2
    xdotool click 1
}
keys() {
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key --delay 150 "$@"
}
windows() { xdotool search --onlyvisible --pid "$pid" '' 2>/dev/null | wc -l; }

# Sends the signal and waits at most 2 s for the program to end.
ends_within_2s() {
    kill "-$1" "$pid"
    for _ in $(seq 1 20); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid" || true
            pid=""
            return
        fi
        sleep 0.1
    done
    fail "still running 2 s after SIG$1"
}
# A key of the [Settings] section (other sections may hold keys of that name).
stored() {
    awk -v key="$1" '/^\[/ { in_settings = ($0 == "[Settings]") }
        in_settings && index($0, key "=") == 1 { print substr($0, length(key) + 2) }' \
        "$work/cfg/KELVRY.INI" | tr -d '\r'
}
expect() { [ "$(stored "$1")" = "$2" ] || fail "$1 is '$(stored "$1")', expected '$2'"; }
# One spin with a stake of 2, its win (if any) paid: at least 998 credits.
expect_spin_paid() {
    expect Spins 1
    local credits
    credits=$(stored Credits)
    awk -v c="$credits" 'BEGIN { exit !(c >= 998) }' || fail "Credits $credits"
}

start "bet message" "Speed=10"
xdotool mousemove $((cx + 387)) $((cy + 365)) click 1 # "Spin" without a bet
sleep 1
[ "$(windows)" -ge 2 ] || fail "no message box"
ends_within_2s TERM
expect Credits 1000.00
grep -q "Please place a bet before spinning!" "$work/stderr" || fail "message not reported"

for signal in TERM HUP INT; do
    start "during a slow spin, SIG$signal" "Speed=55"
    bet_two
    sleep 2
    ends_within_2s "$signal"
    expect_spin_paid
done

long_wav "$work/long.wav"
start "during a long win or lose sound" "$(printf 'Speed=10\nsndWin=1\nsndLose=1\nWinSound=%s\nLoseSound=%s' "$work/long.wav" "$work/long.wav")"
bet_two
sleep 4 # half a second of pause, a 1 s spin, then the sound
ends_within_2s TERM
expect_spin_paid

for dialog in "borrow:alt+b" "saved games:alt+f o" "sounds:alt+o s Up Return"; do
    start "${dialog%%:*} dialog open" "Credits=500.00"
    # shellcheck disable=SC2086
    keys ${dialog#*:}
    sleep 1
    [ "$(windows)" -ge 2 ] || fail "the dialog did not open"
    ends_within_2s TERM
    expect Credits 500.00
done

# The preview plays its sound from the open dialog: the audio output, written
# to a file by SDL's disk driver, shows that it plays when the signal comes.
long_wav "$work/level.wav" 100
audio=disk
start "sounds dialog previewing a long sound" "$(printf 'Credits=500.00\nLoseSound=%s' "$work/level.wav")"
keys alt+o s Up Return
sleep 1
eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name '^Change Sounds')")"
xdotool mousemove $((X + 328)) $((Y + 52)) click 1 # the lose sound's "Preview"
sleep 1
[ "$(tail -c 4096 "$work/audio.raw" | tr -d '\000' | head -c 1 | wc -c)" = 1 ] || fail "the preview is not playing"
ends_within_2s TERM
expect Credits 500.00
audio=dummy

# A program folder of links to the real one without KELVRY0.WAV: an error box
# shows before the main window, and a signal while it is up saves and ends.
mkdir "$work/program"
for f in "$(dirname "$program")"/*; do
    [ "$(basename "$f")" = KELVRY0.WAV ] || ln -s "$(cd "$(dirname "$f")" && pwd)/$(basename "$f")" "$work/program/"
done
rm "$work/program/$(basename "$program")"
cp "$program" "$work/program/"
start "start-up box up" "Credits=500.00" "$work/program/$(basename "$program")"
ends_within_2s TERM
expect Credits 500.00
expect Spins 0 # written by the save: the file held no Spins before
grep -q "File not found" "$work/stderr" || fail "the start-up box was not reported"

start "SIGTERM then SIGKILL during a slow spin" "Speed=55"
bet_two
sleep 2
kill -TERM "$pid"
sleep 0.3
kill -KILL "$pid" 2>/dev/null || true
wait "$pid" || true
pid=""
expect Spins 1
awk -v c="$(stored Credits)" 'BEGIN { exit !(c >= 998) }' || fail "stake not saved"

start "SIGKILL right after a spin's payout" "Speed=10"
bet_two
for _ in $(seq 1 300); do
    [ "$(stored Spins)" = 1 ] && break
    sleep 0.05
done
kill -KILL "$pid"
wait "$pid" || true
pid=""
expect_spin_paid

echo "all signal cases passed"
