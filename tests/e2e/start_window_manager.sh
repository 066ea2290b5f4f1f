# SPDX-License-Identifier: MIT
# Sourced by the end-to-end tests that need a window manager: starts openbox
# on the X display and waits until it answers; sets wm to its process id. An
# openbox that gives up or stays silent for 10 s (a display still settling
# while other tests start theirs) is started again, three times at most.
wm_log=$(mktemp)
for _ in 1 2 3; do
    openbox --sm-disable >"$wm_log" 2>&1 &
    wm=$!
    for _ in $(seq 1 100); do
        wmctrl -m >/dev/null 2>&1 && break 2
        kill -0 "$wm" 2>/dev/null || break
        sleep 0.1
    done
    kill "$wm" 2>/dev/null || true
    wait "$wm" 2>/dev/null || true
done
if ! wmctrl -m >/dev/null 2>&1; then
    echo "the window manager did not start on $DISPLAY:"
    cat "$wm_log"
    rm -f "$wm_log"
    exit 1
fi
rm -f "$wm_log"
