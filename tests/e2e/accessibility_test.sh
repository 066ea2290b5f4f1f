#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The game on the accessibility bus, read as a screen reader reads it: run
# under xvfb-run and dbus-run-session (a private session bus, on which the
# accessibility bus is started on demand). The reader presses "Bet 1" and
# "Spin" through the bus and checks the announced result and the credits.
# Usage: accessibility_test.sh <kelvory binary> <reader script>
set -euo pipefail
program=$1
reader=$2
work=$(mktemp -d)
pid=""
cleanup() {
    if [ -n "$pid" ]; then
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -m 700 "$work/run"
# Qt exposes its tree without waiting for a screen reader to ask for it.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_CONFIG_HOME=$work XDG_RUNTIME_DIR=$work/run HOME=$work \
    "$program" 2>"$work/stderr" &
pid=$!
# The system interpreter: the bus bindings are Debian packages.
if ! /usr/bin/python3 "$reader"; then
    tail -20 "$work/stderr"
    exit 1
fi
