#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# One copy per settings folder, on an X server under a window manager (run
# under xvfb-run): a second start with the same folder ends at once with
# status 0 and brings the first copy's window forward, leaving KELVRY.INI as it
# was; a copy with another folder runs beside it; a start while the running
# copy does not answer shows a message; after a kill -9 of the first
# copy a new start runs. Nothing is added beside KELVRY.INI.
# Usage: single_instance_test.sh <kelvory binary>
set -euo pipefail
program=$1
work=$(mktemp -d)
pids=()
wm=""
cleanup() {
    for p in "${pids[@]}" $wm; do kill -KILL "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    cat "$work"/stderr-* 2>/dev/null | tail -10
    exit 1
}

source "$(dirname "$0")/start_window_manager.sh"

mkdir -m 700 "$work/run"
mkdir "$work/one" "$work/two"
printf '[Settings]\nCredits=321.00\n\n[Kept]\nA=1\n' >"$work/one/KELVRY.INI"
cp "$work/one/KELVRY.INI" "$work/one.before"

# Starts a copy on a settings folder; sets pid.
launch() {
    XDG_CONFIG_HOME=$work/$1 XDG_RUNTIME_DIR=$work/run HOME=$work SDL_AUDIODRIVER=dummy \
        "$program" 2>"$work/stderr-$1-$2" &
    pid=$!
    pids+=("$pid")
}
# A visible window captioned "Kelvory" (a main window or a message box) of a
# process, by its _NET_WM_PID: xdotool's own --pid can match another
# process's window.
window_of() {
    local id
    for id in $(xdotool search --onlyvisible --name '^Kelvory$' 2>/dev/null || true); do
        if [ "$(xprop -id "$id" _NET_WM_PID 2>/dev/null | awk '{ print $NF }')" = "$1" ]; then
            echo "$id"
            return
        fi
    done
}
# The visible main window of a process; sets window.
find_window() {
    window=""
    for _ in $(seq 1 100); do
        window=$(window_of "$1")
        [ -n "$window" ] && return
        sleep 0.1
    done
    fail "the window of process $1 did not appear"
}
# The process whose window is the active one.
active_pid() {
    local id
    id=$(xprop -root _NET_ACTIVE_WINDOW | awk '{ print $NF }')
    xprop -id "$id" _NET_WM_PID 2>/dev/null | awk '{ print $NF }'
}
becomes_active() {
    for _ in $(seq 1 50); do
        [ "$(active_pid)" = "$1" ] && return
        sleep 0.1
    done
    wmctrl -lp
    fail "$2: the active window is of process $(active_pid), expected $1"
}

launch one first
first=$pid
find_window "$first"
becomes_active "$first" "the first copy at its start"

launch two beside
beside=$pid
find_window "$beside"
xdotool windowactivate "$window" 2>/dev/null || true
becomes_active "$beside" "another folder's copy"
kill -0 "$first" 2>/dev/null || fail "the first copy ended when another folder's started"

launch one second
second=$pid
ended=""
for _ in $(seq 1 100); do
    if ! kill -0 "$second" 2>/dev/null; then ended=1; break; fi
    sleep 0.1
done
[ -n "$ended" ] || fail "the second copy on one folder is still running after 10 s"
status=0
wait "$second" || status=$?
[ "$status" = 0 ] || fail "the second copy ended with status $status"
becomes_active "$first" "the first copy brought forward"
cmp -s "$work/one/KELVRY.INI" "$work/one.before" || fail "KELVRY.INI was changed"
[ "$(ls -A "$work/one")" = KELVRY.INI ] || fail "files beside KELVRY.INI: $(ls -A "$work/one")"

# A running copy that does not answer (stopped): a start shows a message box
# and leaves KELVRY.INI untouched.
kill -STOP "$first"
launch one unanswered
unanswered=$pid
box=""
for _ in $(seq 1 150); do
    box=$(window_of "$unanswered")
    [ -n "$box" ] && break
    sleep 0.1
done
[ -n "$box" ] || fail "no message from a start while the running copy does not answer"
kill -KILL "$unanswered"
wait "$unanswered" 2>/dev/null || true
cmp -s "$work/one/KELVRY.INI" "$work/one.before" || fail "KELVRY.INI was changed"
kill -CONT "$first"

kill -KILL "$first"
wait "$first" 2>/dev/null || true
launch one after-kill
find_window "$pid"
kill -0 "$beside" 2>/dev/null || fail "the copy on the other folder ended"

echo "all single-copy cases passed"
