# SPDX-License-Identifier: MIT
# Sourced by the end-to-end tests that drive one copy of the game under a
# window manager: makes a fresh home folder (home), cleans up the game (pid),
# the window manager (wm) and the folder at exit, and starts the window
# manager.
home=$(mktemp -d)
pid=""
wm=""
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    if [ -n "$wm" ]; then kill "$wm" 2>/dev/null || true; wait "$wm" 2>/dev/null || true; fi
    rm -rf "$home"
}
trap cleanup EXIT

source "$(dirname "${BASH_SOURCE[0]}")/start_window_manager.sh"
