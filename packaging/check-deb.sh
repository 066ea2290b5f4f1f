#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks a built Debian package: the files it holds (the program in /usr/games,
# its data in /usr/share/kelvory with the artwork at every resolution, desktop
# entry, metainfo, icon, man page, copyright and changelog), that it recommends
# Qt's Wayland platform plugin, and lintian, which must report no errors. Warnings
# are printed for the packager to read.
# Usage: check-deb.sh <kelvory_*.deb>
set -euo pipefail
deb=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

case $(basename "$deb") in
  kelvory_*_*.deb) ;;
  *) fail "package file name $(basename "$deb") is not kelvory_<version>_<arch>.deb" ;;
esac

listing=$(dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|')
id=io.github.kelvory.Kelvory
for f in /usr/games/kelvory \
         /usr/share/kelvory/kelvry1.bmp /usr/share/kelvory/kelvry2.bmp /usr/share/kelvory/kelvry3.bmp \
         /usr/share/kelvory/kelvry1@2x.bmp /usr/share/kelvory/kelvry2@2x.bmp \
         /usr/share/kelvory/kelvry3@2x.bmp \
         /usr/share/kelvory/KELVRY0.WAV /usr/share/kelvory/KELVRY1.WAV /usr/share/kelvory/KELVRY2.WAV \
         /usr/share/kelvory/KELVRY3.WAV /usr/share/kelvory/KELVRY4.WAV /usr/share/kelvory/KELVRY5.WAV \
         /usr/share/kelvory/kelvory-help.html /usr/share/kelvory/kelvory.svg \
         /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml \
         /usr/share/icons/hicolor/scalable/apps/$id.svg /usr/share/man/man6/kelvory.6.gz \
         /usr/share/doc/kelvory/copyright /usr/share/doc/kelvory/changelog.gz; do
  grep -qx "$f" <<<"$listing" || fail "$f missing from the package"
done
stray=$(grep -v -e '^/usr/games/' -e '^/usr/share/' -e '/$' <<<"$listing" || true)
[ -z "$stray" ] || fail "files outside /usr/games and /usr/share: $stray"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libsdl2-mixer; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
grep -qw qt6-wayland <<<"$recommends" || fail "Recommends lacks qt6-wayland: $recommends"

# lintian exits non-zero on errors; its warnings are shown, not fatal.
echo "== lintian $(basename "$deb")"
if ! lintian --fail-on error --info "$deb"; then
  fail "lintian reports errors"
fi
echo "package OK: $(basename "$deb")"
