#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a temporary prefix and checks the installed tree:
# the executable (a real ELF program, no wrapper) in bin/, in share/kelvory/
# every file the build tree's run-time folder holds for the program to read,
# byte for byte, and nothing else; the desktop entry and metainfo validate and
# name the window's class. The canvas check at scale 2 passes on the installed
# data: the reels come from the double-size artwork, not the small one blown
# up; and at scale 2 the installed program's window is the build tree's, pixel
# for pixel. The installed program, started from another folder (directly,
# through a symbolic link, and from a moved copy of the prefix), finds its
# artwork, sounds and help: no error box appears and F1 opens the help window.
# A copy without the help shows that a missing file would be noticed. The
# default win sound saved by one copy is found again after a move. Last, the
# uninstall leaves the prefix empty.
# Usage: install_test.sh <build dir> <hi-dpi canvas test>   (run under xvfb-run)
set -euo pipefail
build=$1
hidpi_check=$2
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

# The tree, exactly, apart from the data folder, which is checked against the
# build tree below.
expected="bin/kelvory
share/applications/$id.desktop
share/doc/kelvory/changelog.gz
share/doc/kelvory/copyright
share/icons/hicolor/scalable/apps/$id.svg
share/man/man6/kelvory.6.gz
share/metainfo/$id.metainfo.xml"
actual=$(cd "$prefix" && find . \( -type f -o -type l \) ! -path './share/kelvory/*' \
           ! -path ./bin/kelvory-odds ! -path ./share/man/man6/kelvory-odds.6.gz | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$(LC_ALL=C sort <<<"$expected")" ] \
  || fail "installed tree differs:$(diff <(LC_ALL=C sort <<<"$expected") <(echo "$actual"))"

# The data folder holds what the build tree's run-time folder holds, file by
# file, leaving out only the build's own files there.
runtime=$build/app
data=$prefix/share/kelvory
built_data=$(cd "$runtime" && find . \( -type f -o -type l \) \
               ! -path './CMakeFiles/*' ! -path './*_autogen/*' ! -path './Testing/*' \
               ! -name cmake_install.cmake ! -name CTestTestfile.cmake ! -name Makefile \
               ! -name '*.a' ! -path ./kelvory | sed 's|^\./||' | LC_ALL=C sort)
installed_data=$(cd "$data" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort)
[ "$installed_data" = "$built_data" ] \
  || fail "data folder differs from the build tree:$(diff <(echo "$built_data") <(echo "$installed_data"))"
while IFS= read -r file; do
  cmp -s "$runtime/$file" "$data/$file" || fail "share/kelvory/$file differs from the build tree's"
done <<<"$built_data"
# What the program cannot do without, at every resolution.
for file in kelvry{1,2,3}.bmp kelvry{1,2,3}@2x.bmp KELVRY{0,1,2,3,4,5}.WAV kelvory-help.html kelvory.svg; do
  [ -f "$data/$file" ] || fail "share/kelvory/$file missing"
done
empty=$(find "$prefix" -type f -empty)
[ -z "$empty" ] || fail "empty files: $empty"
[ "$(head -c4 "$prefix/bin/kelvory" | od -An -c | tr -d ' ')" = '177ELF' ] || fail "bin/kelvory is no ELF program"
[ -x "$prefix/bin/kelvory" ] || fail "bin/kelvory not executable"

desktop=$prefix/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo"
grep -q '^Categories=Game;' "$desktop" || fail "category"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ -n "$wm_class" ] || fail "no StartupWMClass"

# On a screen of scale 2 the installed data gives the same crisp reels as the
# build tree.
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 KELVORY_RUNTIME_DIR=$data "$hidpi_check" >"$work/hidpi.log" 2>&1 \
  || { cat "$work/hidpi.log" >&2; fail "the installed data is not sharp at scale 2"; }

# The main window, and any error box: both are captioned exactly "Kelvory".
kelvory_windows() { xdotool search --onlyvisible --name '^Kelvory$' 2>/dev/null | wc -l; }
# The title a desktop shows (_NET_WM_NAME; xdotool also matches WM_NAME, which
# Qt leaves without an application suffix).
title_of() { xprop -id "$1" _NET_WM_NAME | sed -n 's/^[^=]*= "\(.*\)"$/\1/p'; }
source "$(dirname "$0")/wait_for.sh"

# Starts a program from an unrelated folder with the given home, checks the
# windows after start and after F1, and ends it with SIGTERM (which saves).
# $1: program, $2: expected "ok" or "error", $3: home.
run_program() {
  local program=$1 expect=$2 home=$3
  mkdir -p "$home/elsewhere"
  (cd "$home/elsewhere" && HOME=$home XDG_CONFIG_HOME=$home/.config SDL_AUDIODRIVER=dummy \
     exec "$program") &
  local pid=$!
  pids+=("$pid")
  wait_for '[ "$(kelvory_windows)" -ge 1 ]' 20 || fail "$program: no window"
  sleep 1.5
  local main
  main=$(xdotool search --onlyvisible --name '^Kelvory$' | head -1)
  local class
  class=$(xprop -id "$main" WM_CLASS | sed -n 's/.*= "[^"]*", "\([^"]*\)"$/\1/p')
  [ "$class" = "$wm_class" ] || fail "$program: window class '$class', desktop entry '$wm_class'"
  xdotool windowfocus --sync "$main"
  xdotool key F1
  if [ "$expect" = ok ]; then
    wait_for '[ -n "$(xdotool search --onlyvisible --name "^Kelvory Help" 2>/dev/null)" ]' 10 \
      || fail "$program: F1 opened no help window"
    local help
    help=$(xdotool search --onlyvisible --name "^Kelvory Help" | head -1)
    [ "$(title_of "$help")" = "Kelvory Help" ] || fail "$program: help window titled '$(title_of "$help")'"
    [ "$(title_of "$main")" = "Kelvory" ] || fail "$program: main window titled '$(title_of "$main")'"
    sleep 0.5
    [ "$(kelvory_windows)" -eq 1 ] || fail "$program: an error box appeared"
  else
    wait_for '[ "$(kelvory_windows)" -ge 2 ]' 10 || fail "$program: the missing help went unnoticed"
  fi
  kill -TERM "$pid"
  wait "$pid" 2>/dev/null || true
}
win_sound() { sed -n 's/^WinSound=//p' "$1/.config/KELVRY.INI"; }

# A picture of the window of a program started at scale 2 with a fresh home.
# $1: program, $2: home, $3: picture.
window_at_scale_2() {
  mkdir -p "$2"
  (cd "$2" && HOME=$2 XDG_CONFIG_HOME=$2/.config SDL_AUDIODRIVER=dummy QT_SCALE_FACTOR=2 exec "$1") &
  local pid=$!
  pids+=("$pid")
  wait_for '[ "$(kelvory_windows)" -ge 1 ]' 20 || fail "$1: no window at scale 2"
  sleep 1.5
  import -window "$(xdotool search --onlyvisible --name '^Kelvory$' | head -1)" "$3"
  kill -TERM "$pid"
  wait "$pid" 2>/dev/null || true
}

# At scale 2 the installed program draws its window pixel for pixel as the
# build tree's does: as crisp, not the small artwork blown up.
window_at_scale_2 "$build/app/kelvory" "$work/home-build-x2" "$work/build-x2.png"
window_at_scale_2 "$prefix/bin/kelvory" "$work/home-installed-x2" "$work/installed-x2.png"
differing=$(compare -metric AE "$work/build-x2.png" "$work/installed-x2.png" null: 2>&1 || true)
[ "$differing" = 0 ] || fail "at scale 2 the installed window differs from the build tree's in $differing pixels"

home=$work/home
run_program "$prefix/bin/kelvory" ok "$home"
[ "$(win_sound "$home")" = "$prefix/share/kelvory/KELVRY4.WAV" ] \
  || fail "saved win sound $(win_sound "$home")"

# Reached through a symbolic link, the program still finds its data folder.
ln -s "$prefix/bin/kelvory" "$work/linked-kelvory"
run_program "$work/linked-kelvory" ok "$work/home-linked"

# A moved prefix works, and the default win sound saved by the first copy
# now points into the moved one.
moved=$work/moved
cp -a "$prefix" "$moved"
mv "$prefix/share/kelvory" "$prefix/share/kelvory.away"
run_program "$moved/bin/kelvory" ok "$home"
[ "$(win_sound "$home")" = "$moved/share/kelvory/KELVRY4.WAV" ] \
  || fail "default win sound not found again after the move: $(win_sound "$home")"
mv "$prefix/share/kelvory.away" "$prefix/share/kelvory"

# The same program without its help: the check above would see the error.
broken=$work/broken
cp -a "$prefix" "$broken"
rm "$broken/share/kelvory/kelvory-help.html"
run_program "$broken/bin/kelvory" error "$work/home-broken"

# The uninstall removes every installed file and the folders it made.
cmake --build "$build" --target uninstall >/dev/null
left=$(find "$prefix" -mindepth 1)
[ -z "$left" ] || fail "left after uninstall: $left"
echo "installed tree OK"
