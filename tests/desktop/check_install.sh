#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks it as a desktop sees
# it: the files validate, the installed program finds its data the XDG way
# (an office's own support file first), and study files get their type.
# Usage: check_install.sh BUILD_DIR PROBE
set -euo pipefail
build="$1"
probe="$(realpath "$2")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

prefix="$work/usr"
cmake --install "$build" --prefix "$prefix" >/dev/null
share="$prefix/share"
for f in bin/vicania bin/vicania-cli share/vicania/SuggerimentiVicania.TXT share/vicania/supportoclienti.ini \
         share/applications/io.github.vicania.Vicania.desktop share/metainfo/io.github.vicania.Vicania.metainfo.xml \
         share/mime/packages/io.github.vicania.Vicania.xml share/man/man1/vicania.1.gz share/man/man1/vicania-cli.1.gz \
         share/icons/hicolor/scalable/apps/io.github.vicania.Vicania.svg share/doc/vicania/copyright; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
for size in 16 22 24 32 48 64 128 256; do
  png="$share/icons/hicolor/${size}x${size}/apps/io.github.vicania.Vicania.png"
  [ -s "$png" ] || fail "no ${size} px icon"
  # The PNG header holds width and height as 32-bit numbers at bytes 16 and 20.
  [ "$(od -An -tu1 -j18 -N2 "$png" | awk '{print $1 * 256 + $2}')" = "$size" ] || fail "icon $size has the wrong size"
done
desktop-file-validate "$share/applications/io.github.vicania.Vicania.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$share/metainfo/io.github.vicania.Vicania.metainfo.xml" >/dev/null || fail "metainfo"
grep -q "^Exec=vicania %f$" "$share/applications/io.github.vicania.Vicania.desktop" || fail "Exec line"
zcat "$share/man/man1/vicania-cli.1.gz" | grep -q "pagina" || fail "manual page"

# The file type, as a desktop's mime cache holds it.
update-mime-database "$share/mime" >/dev/null 2>&1
config="$work/config"
mkdir -p "$config/vicania"
export XDG_DATA_DIRS="$share" XDG_DATA_HOME="$work/data-home" XDG_CONFIG_HOME="$config" XDG_CONFIG_DIRS="$work/etc-xdg"
run_probe() { (cd "$work" && "$probe"); }
out="$(run_probe)"
grep -qx "SuggerimentiVicania.TXT=$share/vicania/SuggerimentiVicania.TXT" <<<"$out" || fail "tips: $out"
grep -qx "supportoclienti.ini=$share/vicania/supportoclienti.ini" <<<"$out" || fail "support data: $out"
grep -qx "Vicania-dati-esempio-Roccaventosa=$share/vicania/Vicania-dati-esempio-Roccaventosa" <<<"$out" ||
  fail "example study: $out"
grep -qx "mime=application/x-vicania-studio" <<<"$out" || fail "file type: $out"
grep -qx "plain=si" <<<"$out" || fail "a study is not text: $out"

# An office's own support data wins, first from /etc/xdg, then from ~/.config.
mkdir -p "$work/etc-xdg/vicania"
printf '[supporto]\n' > "$work/etc-xdg/vicania/supportoclienti.ini"
grep -qx "supportoclienti.ini=$work/etc-xdg/vicania/supportoclienti.ini" <<<"$(run_probe)" || fail "/etc/xdg not used"
printf '[supporto]\n' > "$config/vicania/supportoclienti.ini"
grep -qx "supportoclienti.ini=$config/vicania/supportoclienti.ini" <<<"$(run_probe)" || fail "~/.config not used"

# The installed command line program runs from there.
"$prefix/bin/vicania-cli" esegui "$share/vicania/Vicania-dati-esempio-Roccaventosa" | grep -q "^popolazione=" ||
  fail "installed vicania-cli"
echo "install: all checks passed"
