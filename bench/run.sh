#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every benchmark of a build folder and prints the figures. The whole-spin
# benchmark needs a real X server: it runs under Xvfb at scale 1 and scale 2,
# with the window at the design sizes and at the client areas of a window
# maximised on 1920 x 1080 and 2560 x 1440 (the composition scaled up).
set -uo pipefail
build=${1:-build}
rounds=${SPIN_ROUNDS:-7}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
status=0
for b in "$build"/bench/*/bench_*; do
  # Only the programs: the build also leaves bench_*_autogen folders here.
  [ -f "$b" ] && [ -x "$b" ] || continue
  name=$(basename "$b")
  [ "$name" = bench_spin ] && continue
  echo "== $name"
  "$b" || status=1
done
spin="$build/bench/view/bench_spin"
if [ -x "$spin" ]; then
  if command -v xvfb-run >/dev/null; then
    for scale in 1 2; do
      echo "== bench_spin (Xvfb, QT_SCALE_FACTOR=$scale)"
      QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale \
        xvfb-run -a -s "-screen 0 2560x1600x24" "$spin" "$rounds" || status=1
    done
  else
    echo "== bench_spin skipped: xvfb-run is not installed (make deps)"
  fi
fi
exit $status
