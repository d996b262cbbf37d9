#!/usr/bin/env bash
# Runs clang-tidy with the repository's .clang-tidy over every .cpp in src/,
# two files at a time, compiled as the build folder given (default: build)
# compiles them. Any warning fails the command. Moc and resource files are
# generated into the build folder, so they are never among the files read.
# A file found clean is remembered by what clang-tidy read (see
# tidy-keys.py), so it is checked again only once that changes.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
db="$build/compile_commands.json"
if [ ! -f "$db" ]; then
  echo "no $db: configure the build first (scripts/build.sh $build)" >&2
  exit 1
fi
if ! command -v clang-tidy >/dev/null 2>&1; then
  echo "clang-tidy is missing: scripts/install-deps.sh --tests installs it" >&2
  exit 1
fi

mapfile -t files < <(find src -name '*.cpp' -not -name 'moc_*' -not -path '*_autogen/*' | sort)
# A file the build does not compile would be read with guessed flags.
missing=()
for f in "${files[@]}"; do
  grep -q "\"file\": \"$PWD/$f\"" "$db" || missing+=("$f")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "not compiled in $build, so not checked: ${missing[*]}" >&2
  exit 1
fi

logs="$(mktemp -d)"
trap 'rm -rf "$logs"' EXIT
start=$SECONDS
cache="${VICANIA_TIDY_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vicania-tidy}"
mkdir -p "$cache"
todo=()
while read -r key file; do
  if [ "$key" != none ] && [ -f "$cache/$key" ]; then
    continue
  fi
  todo+=("$file")
  echo "$key" >"$logs/$(echo "$file" | tr / _).key"
done < <(/usr/bin/python3 scripts/tidy-keys.py "$build" "${files[@]}")
echo "clang-tidy: ${#todo[@]} of ${#files[@]} files changed since they were last found clean"
# The build's GCC-only warning options mean nothing to clang.
printf '%s\n' "${todo[@]}" | grep . |
  xargs -P 2 -I '{}' sh -c 'clang-tidy -p "$1" --quiet --warnings-as-errors="*" \
      --extra-arg=-Wno-unknown-warning-option "$2" >"$3/$(echo "$2" | tr / _).log" 2>&1 ||
      echo "$2" >>"$3/failed"' sh "$build" '{}' "$logs" || true
elapsed=$((SECONDS - start))
for f in "${todo[@]}"; do
  name="$(echo "$f" | tr / _)"
  key="$(cat "$logs/$name.key")"
  if [ "$key" != none ] && ! grep -qxF "$f" "$logs/failed" 2>/dev/null; then
    : >"$cache/$key"
  fi
done

if [ ! -f "$logs/failed" ]; then
  echo "clang-tidy: ${#files[@]} files clean in ${elapsed} s"
  exit 0
fi
mapfile -t failed < <(sort "$logs/failed")
for f in "${failed[@]}"; do
  echo "=== $f"
  # Only the findings: the counts of suppressed warnings say nothing.
  grep -v -E '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter|^[0-9]+ warnings? treated as errors?$' \
    "$logs/$(echo "$f" | tr / _).log" || true
done
echo "clang-tidy: ${#failed[@]} of ${#files[@]} files with findings, in ${elapsed} s" >&2
exit 1
