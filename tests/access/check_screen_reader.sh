#!/usr/bin/env bash
# Runs check_screen_reader.py on a virtual X display inside a session bus of
# its own, with Qt's accessibility bridge on, as a screen reader would find
# the program.
set -euo pipefail
program=$1
study=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill "${xvfb:-}" 2>/dev/null && wait "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT

# The display is taken only once the server says it is ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
dbus-run-session -- /usr/bin/python3 "$here/check_screen_reader.py" "$program" "$study" 2> >(grep -v '^dbus-daemon' >&2)
