#!/usr/bin/env bash
# Builds the Debian package from the build folder and has lintian judge it:
# no error and no warning. Usage: check_package.sh BUILD_DIR
set -euo pipefail
build="$(realpath "$1")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work" >/dev/null) || fail "cpack could not build the package"
deb="$(ls "$work"/vicania_*.deb)"
contents="$(dpkg-deb -c "$deb")"
for f in ./usr/bin/vicania ./usr/bin/vicania-cli ./usr/share/applications/io.github.vicania.Vicania.desktop \
         ./usr/share/doc/vicania/copyright ./usr/share/doc/vicania/changelog.Debian.gz \
         ./usr/share/man/man1/vicania.1.gz ./usr/share/icons/hicolor/48x48/apps/io.github.vicania.Vicania.png; do
  grep -q " $f\$" <<<"$contents" || fail "the package lacks $f"
done
control="$(dpkg-deb -f "$deb" Depends Recommends)"
grep -q "libqt6widgets6" <<<"$control" || fail "dependencies not computed: $control"
for p in libqt6charts6 libqt6svg6 libxlsxwriter4 qt6-qpa-plugins; do
  grep -q "$p" <<<"$control" || fail "the package does not depend on $p: $control"
done
grep -q "qt6-translations-l10n" <<<"$control" || fail "recommends: $control"
# Info tags (Italian words taken for misspelt English) are not faults.
lintian --fail-on error,warning "$deb" 2>&1 | grep -v "root privileges" || true
lintian --fail-on error,warning "$deb" >/dev/null 2>&1 || fail "lintian reports errors or warnings"
echo "package: $(basename "$deb") accepted by lintian"
