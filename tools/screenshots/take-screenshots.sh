#!/usr/bin/env bash
# Takes the pictures of Vicania's windows (see main.cpp beside this script)
# and writes them into FOLDER, artifacts/ of the source tree by default:
#   tools/screenshots/take-screenshots.sh [FOLDER]
# Run by hand after changing a window, then look at the pictures and commit
# them. Builds vicania-screenshots in build-screenshots/ on the first run
# (the libraries once more, so it takes a while) and offscreen unless
# QT_QPA_PLATFORM says otherwise (xcb, under a desktop or xvfb-run, gives the
# desktop's own style).
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
folder="$(realpath -m "${1:-$root/artifacts}")"
build="$root/build-screenshots"
cmake -S "$root/tools/screenshots" -B "$build" >/dev/null
cmake --build "$build" --target vicania-screenshots -j"$(nproc)"
cd "$build"
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" ./vicania-screenshots "$folder"
