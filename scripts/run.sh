#!/usr/bin/env bash
# Installs what is missing, builds and starts Vicania. Until the window is
# ready this runs vicania-cli on the bundled example study.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
exec build/src/vicania-cli esegui resources/Vicania-dati-esempio-Roccaventosa calcola "$@"
