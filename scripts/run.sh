#!/usr/bin/env bash
# Installs what is missing, builds and starts Vicania (no tests, no benchmarks).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build-run -DBUILD_TESTING=OFF -DVICANIA_BENCHMARKS=OFF
exec build-run/src/vicania "$@"
