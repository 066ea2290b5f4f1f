#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages one make target needs, and only those:
#   run    (default) building and playing the game
#   test   the above, plus the tools the tests drive (X server, xdotool, ...)
#   asan   the same as test
#   bench  the above, plus Google Benchmark
#   fuzz   the above, plus clang's libFuzzer
#   deb    the game's build, plus the package checks (lintian)
# Installs only what is missing, so a second run costs a dpkg query.
set -euo pipefail

target=${1:-run}

# Building and playing.
run_packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev
  libsdl2-mixer-dev libxcb1-dev
  fonts-dejavu-core fonts-liberation2
)
# Running the tests: the real window under Xvfb, driven by xdotool, and the
# checks of the installed tree; the real window on Wayland under a headless
# weston, with Qt's Wayland platform plugin; the accessibility bus with a
# reader.
test_packages=(
  xvfb xauth xdotool x11-apps x11-utils imagemagick openbox wmctrl
  desktop-file-utils appstream
  weston qt6-wayland
  at-spi2-core python3-pyatspi dbus-daemon
)
bench_packages=(libbenchmark-dev)
fuzz_packages=(clang libclang-rt-dev)
deb_packages=(dpkg-dev lintian file desktop-file-utils appstream)

packages=("${run_packages[@]}")
case $target in
  run) ;;
  test | asan) packages+=("${test_packages[@]}") ;;
  bench) packages+=("${test_packages[@]}" "${bench_packages[@]}") ;;
  fuzz) packages+=("${fuzz_packages[@]}") ;;
  deb) packages+=("${deb_packages[@]}") ;;
  *)
    echo "install-deps.sh: unknown target '$target' (run, test, asan, bench, fuzz, deb)" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo apt-get -o DPkg::Lock::Timeout=900 update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=900 install -y -qq \
  --no-install-recommends "${missing[@]}"
