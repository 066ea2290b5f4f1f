# SPDX-License-Identifier: MIT
# Sourced by the end-to-end tests that need a window manager: starts openbox
# on the X display and waits until it answers; sets wm to its process id.
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 1 300); do
    wmctrl -m >/dev/null 2>&1 && break
    sleep 0.1
done
wmctrl -m >/dev/null 2>&1 || { echo "the window manager did not start"; exit 1; }
