#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree:
# the program folder holds everything the program reads, the desktop entry and
# the metainfo validate, and the installed program, started through its
# launcher from another folder, finds its artwork, sounds and help (no error
# box appears, and F1 opens the help window). A copy without the help shows
# that a missing file would be noticed.
# Usage: install_test.sh <build dir>   (run under xvfb-run)
set -euo pipefail
build=$1
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
id=io.github.kelvory.Kelvory
pkg=$(dirname "$(find "$prefix" -type f -name kelvory -path '*/kelvory/kelvory')")
[ -d "$pkg" ] || fail "no program folder"

# The program folder: the binary and every file it reads, nothing of the build.
for f in kelvory kelvry1.bmp kelvry2.bmp kelvry3.bmp kelvory-help.html kelvory.svg \
         KELVRY0.WAV KELVRY1.WAV KELVRY2.WAV KELVRY3.WAV KELVRY4.WAV KELVRY5.WAV; do
  [ -s "$pkg/$f" ] || fail "missing $pkg/$f"
done
[ -x "$pkg/kelvory" ] || fail "program not executable"
stray=$(find "$pkg" -mindepth 1 \( -name CMakeFiles -o -name '*_autogen' -o -name '*.a' -o -name '*.cmake' \) -print)
[ -z "$stray" ] || fail "build files installed: $stray"
[ -x "$prefix/bin/kelvory" ] || fail "no launcher"
for f in "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
         "share/icons/hicolor/scalable/apps/$id.svg"; do
  [ -s "$prefix/$f" ] || fail "missing $f"
done

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo"
grep -q '^Categories=Game;' "$prefix/share/applications/$id.desktop" || fail "category"

# Counts the visible windows captioned exactly "Kelvory": the main window,
# and any error box (the error box has the same caption).
kelvory_windows() { xdotool search --onlyvisible --name '^Kelvory$' 2>/dev/null | wc -l; }
wait_for() { # condition, seconds
  local end=$((SECONDS + $2))
  until eval "$1"; do
    [ $SECONDS -lt $end ] || return 1
    sleep 0.2
  done
}

# Starts a launcher from an unrelated folder with a fresh home, checks the
# windows after start and after F1. $1: launcher, $2: expected "ok" or "error".
run_program() {
  local launcher=$1 expect=$2 home=$work/home-$RANDOM
  mkdir -p "$home/elsewhere"
  (cd "$home/elsewhere" && HOME=$home XDG_CONFIG_HOME=$home/.config SDL_AUDIODRIVER=dummy \
     exec "$launcher") &
  local pid=$!
  pids+=("$pid")
  wait_for '[ "$(kelvory_windows)" -ge 1 ]' 20 || fail "$launcher: no window"
  sleep 1.5
  local main
  main=$(xdotool search --onlyvisible --name '^Kelvory$' | head -1)
  xdotool windowfocus --sync "$main"
  xdotool key F1
  if [ "$expect" = ok ]; then
    wait_for '[ -n "$(xdotool search --onlyvisible --name "^Kelvory Help" 2>/dev/null)" ]' 10 \
      || fail "$launcher: F1 opened no help window"
    sleep 0.5
    [ "$(kelvory_windows)" -eq 1 ] || fail "$launcher: an error box appeared"
  else
    wait_for '[ "$(kelvory_windows)" -ge 2 ]' 10 || fail "$launcher: the missing help went unnoticed"
  fi
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

run_program "$prefix/bin/kelvory" ok

# A launcher reached through a symbolic link finds the program folder too.
ln -s "$prefix/bin/kelvory" "$work/linked-kelvory"
run_program "$work/linked-kelvory" ok

# The same program without its help: the check above would see the error.
broken=$work/broken
cp -r "$prefix" "$broken"
rm "$(dirname "$(find "$broken" -type f -name kelvory -path '*/kelvory/kelvory')")/kelvory-help.html"
run_program "$broken/bin/kelvory" error
echo "installed tree OK"
