#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for the seconds given (default
# 60) from the seed corpus in fuzz/corpus. Any finding fails the command and
# leaves its input in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
CC=clang CXX=clang++ scripts/build.sh build-fuzz -DVICANIA_FUZZ=ON -DVICANIA_GUI=OFF -DBUILD_TESTING=OFF \
  -DVICANIA_BENCHMARKS=OFF
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LC_ALL=C.UTF-8
for target in fuzz_studyfile fuzz_session; do
  corpus="build-fuzz/corpus-$target"
  mkdir -p "$corpus"
  cp -n fuzz/corpus/"${target#fuzz_}"/* "$corpus"/
  echo "fuzzing $target for $seconds s"
  (cd build-fuzz && "./fuzz/$target" -max_total_time="$seconds" -max_len=4096 -timeout=20 \
    -print_final_stats=1 "../$corpus" 2>&1 | tail -12)
  [ "${PIPESTATUS[0]}" = 0 ] || { echo "FAIL: $target found a fault"; exit 1; }
done
