#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The game on the accessibility bus, read as a screen reader reads it: run
# under xvfb-run and dbus-run-session (a private session bus, on which the
# accessibility bus is started on demand). The reader starts the game, presses
# "Bet 1" and "Spin" through the bus and checks the announced result and the
# credits.
# Usage: accessibility_test.sh <kelvory binary> <reader script>
set -euo pipefail
program=$1
reader=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -m 700 "$work/run"
# Qt exposes its tree without waiting for a screen reader to ask for it. The
# reader starts the game once it listens; the system interpreter, as the bus
# bindings are Debian packages.
if ! QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_CONFIG_HOME=$work XDG_RUNTIME_DIR=$work/run \
    HOME=$work /usr/bin/python3 "$reader" "$program" 2>"$work/stderr"; then
    tail -20 "$work/stderr"
    exit 1
fi
