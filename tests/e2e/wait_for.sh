# SPDX-License-Identifier: MIT
# Sourced by the end-to-end tests: wait_for CONDITION SECONDS evaluates the
# shell condition every 0.2 s until it holds (status 0) or the seconds have
# passed (status 1).
wait_for() {
  local end=$((SECONDS + $2))
  until eval "$1"; do
    [ $SECONDS -lt $end ] || return 1
    sleep 0.2
  done
}
