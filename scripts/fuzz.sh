#!/usr/bin/env bash
# Runs the libFuzzer targets (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) for the seconds given (default 60) each, from
# the seed corpus in fuzz/corpus. They come from the build folder given
# (default build-fuzz), which is built with the fuzz targets when it has none
# yet: the sanitizer build of scripts/test.sh --sanitize already holds them.
# Any finding fails the command and leaves its input in the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
build="${2:-build-fuzz}"
if [ ! -x "$build/fuzz/fuzz_istat" ]; then
  CC=clang CXX=clang++ scripts/build.sh "$build" -DVICANIA_FUZZ=ON -DVICANIA_GUI=OFF -DBUILD_TESTING=OFF \
    -DVICANIA_BENCHMARKS=OFF
fi
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LC_ALL=C.UTF-8
# The targets run side by side, each in a process of its own.
targets=(fuzz_studyfile fuzz_session fuzz_istat)
logs="$(mktemp -d)"
trap 'rm -rf "$logs"' EXIT
pids=()
for target in "${targets[@]}"; do
  corpus="$build/corpus-$target"
  mkdir -p "$corpus"
  cp -n fuzz/corpus/"${target#fuzz_}"/* "$corpus"/
  echo "fuzzing $target for $seconds s"
  (cd "$build" && "./fuzz/$target" -max_total_time="$seconds" -max_len=4096 -timeout=20 \
    -print_final_stats=1 "corpus-$target" >"$logs/$target" 2>&1) &
  pids+=($!)
done
status=0
for i in "${!targets[@]}"; do
  target="${targets[$i]}"
  if ! wait "${pids[$i]}"; then
    echo "FAIL: $target found a fault"
    status=1
  fi
  echo "== $target"
  tail -12 "$logs/$target"
done
exit "$status"
