#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fuzzes the profile file reader/writer and the money and integer texts with
# libFuzzer (Debian's clang), each for FUZZ_SECONDS (default 30) seconds.
# Seeds come from tests/fuzz/corpus/<target>; new inputs go to
# build-fuzz/corpus/<target>. FUZZ_MERGE=1 merges them into the kept corpus.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${FUZZ_SECONDS:-30}
out=build-fuzz
mkdir -p "$out"
sources=(store/ProfileText.cpp store/MoneyText.cpp store/IntegerText.cpp)
for target in profile money; do
  case $target in
    profile) main=tests/fuzz/FuzzProfile.cpp ;;
    money) main=tests/fuzz/FuzzMoney.cpp ;;
  esac
  clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -Istore "$main" "${sources[@]}" -o "$out/fuzz_$target"
  mkdir -p "$out/corpus/$target"
  echo "== fuzz_$target for ${seconds}s"
  "$out/fuzz_$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    "$out/corpus/$target" "tests/fuzz/corpus/$target"
  if [ "${FUZZ_MERGE:-0}" = 1 ]; then
    "$out/fuzz_$target" -merge=1 "tests/fuzz/corpus/$target" "$out/corpus/$target"
  fi
done
