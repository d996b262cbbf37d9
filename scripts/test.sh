#!/usr/bin/env bash
# Installs what is missing, builds and runs every test. With --sanitize the
# same tests run in a second build with AddressSanitizer and
# UndefinedBehaviorSanitizer, and any report fails them; that build also
# holds the fuzz targets (scripts/fuzz.sh runs them), and leaves out the
# read-backs by LibreOffice and the screen reader, which test what the normal
# build writes and shows.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"
if [ "${1:-}" = "--sanitize" ]; then
  # The sanitizer build uses clang, so both compilers build with warnings as errors.
  CC=clang CXX=clang++ scripts/build.sh build-sanitize -DVICANIA_SANITIZE=ON -DVICANIA_FUZZ=ON \
    -DVICANIA_BENCHMARKS=OFF
  export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  ctest --test-dir build-sanitize --output-on-failure --timeout 600 -j "$jobs" -LE readback
else
  scripts/build.sh build
  # With VICANIA_TIDY=1 (the CI) clang-tidy runs beside the tests, which
  # spend much of their time waiting on LibreOffice and the virtual display.
  # Started with the build instead, it only crowds the two cores: the whole
  # run measured slower.
  tidy=
  if [ "${VICANIA_TIDY:-}" = 1 ]; then
    scripts/tidy.sh build >build/tidy.log 2>&1 &
    tidy=$!
  fi
  status=0
  ctest --test-dir build --output-on-failure --timeout 600 -j "$jobs" || status=$?
  if [ -n "$tidy" ]; then
    wait "$tidy" || status=1
    cat build/tidy.log
  fi
  exit "$status"
fi
