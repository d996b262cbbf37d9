#!/usr/bin/env bash
# The install script with stand-ins for apt-get and dpkg-query that record
# what they are asked: it never asks for a package that conflicts with the
# user's LibreOffice, never lets apt remove anything, and says what to
# install where there is no apt.
set -euo pipefail
script="$(cd "$(dirname "$0")/../.." && pwd)/scripts/install-deps.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# A machine with the stand-ins and only the tools the script needs besides.
machine() {
  local bin="$work/$1"
  mkdir -p "$bin"
  for tool in bash grep id; do ln -sf "$(command -v $tool)" "$bin/$tool"; done
  printf '#!/bin/bash\n"$@"\n' > "$bin/sudo"
  chmod +x "$bin/sudo"
  echo "$bin"
}
stand_ins() {
  local bin="$1" has="$2"
  cat > "$bin/dpkg-query" <<STUB
#!/bin/bash
for p in $has; do [ "\${@: -1}" = "\$p" ] && { printf 'install ok installed'; exit 0; }; done
exit 1
STUB
  cat > "$bin/apt-get" <<STUB
#!/bin/bash
echo "\$*" >> "$bin/apt.log"
STUB
  chmod +x "$bin/dpkg-query" "$bin/apt-get"
}

# A desktop that already has LibreOffice Writer.
bin="$(machine desktop)"
stand_ins "$bin" "libreoffice-writer cmake"
PATH="$bin" "$script" --tests || fail "the script failed with apt present"
calls="$(cat "$bin/apt.log")"
[[ "$calls" == *"install"* ]] || fail "apt-get was not asked to install: $calls"
[[ "$calls" == *"--no-remove"* ]] || fail "apt-get may remove packages: $calls"
[[ "$calls" != *"libreoffice-writer-nogui"* ]] || fail "asked for a LibreOffice that conflicts: $calls"
[[ "$calls" != *" cmake"* ]] || fail "asked again for what is installed: $calls"
[[ "$calls" == *"python3-docx"* ]] || fail "the test tools are missing: $calls"
[[ "$calls" == *"libreoffice-calc "* || "$calls" == *"libreoffice-calc" ]] || fail "no Calc beside the desktop Writer: $calls"
[[ "$calls" != *"libreoffice-calc-nogui"* ]] || fail "asked for a Calc that conflicts: $calls"
[[ "$calls" == *"python3-openpyxl"* ]] || fail "no spreadsheet reader: $calls"

# A bare machine: the headless Writer, and the run command needs no test tools.
bin="$(machine bare)"
stand_ins "$bin" ""
PATH="$bin" "$script" --tests || fail "the script failed on a bare machine"
[[ "$(cat "$bin/apt.log")" == *"libreoffice-writer-nogui"* ]] || fail "no Writer asked on a bare machine"
[[ "$(cat "$bin/apt.log")" == *"libreoffice-calc-nogui"* ]] || fail "no Calc asked on a bare machine"
rm "$bin/apt.log"
PATH="$bin" "$script" || fail "the run command's install failed"
calls="$(cat "$bin/apt.log")"
[[ "$calls" != *"libgtest-dev"* && "$calls" != *"libreoffice"* ]] || fail "the run command installs test tools: $calls"
[[ "$calls" == *"qt6-translations-l10n"* ]] || fail "the run command misses the translations: $calls"
[[ "$calls" == *"qt6-charts-dev"* && "$calls" == *"libxlsxwriter-dev"* ]] || fail "the run command misses the charts: $calls"

# No apt at all: a clear message and a failure, nothing else.
bin="$(machine other)"
if PATH="$bin" "$script" 2> "$work/err"; then fail "succeeded without apt"; fi
grep -q "Questo sistema non usa apt" "$work/err" || fail "no message without apt: $(cat "$work/err")"
grep -q "qt6-base-dev" "$work/err" || fail "the message does not list the packages"
echo "install script: all cases passed"
