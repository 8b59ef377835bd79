#!/usr/bin/env bash
# Packages a built tree as the Debian package CPack makes, unpacks it into a
# scratch root and checks what a user gets: exactly the two programs, the
# desktop entry (valid, RTF as an extra type) and the icons, dependencies on
# the Qt 6 runtime and the fonts, and an installed quillmark-cli that runs.
#   tests/install/run-install.sh BUILD_DIR
set -euo pipefail
BUILD="$(cd "${1:?build folder}" && pwd)"
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT

fail() {
  echo "install: FAIL: $*" >&2
  exit 1
}

for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate; do
  command -v "$tool" > /dev/null || fail "$tool is not installed (scripts/setup installs it)"
done

cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$SCRATCH/package" > "$SCRATCH/cpack.log" 2>&1 ||
  { cat "$SCRATCH/cpack.log" >&2; fail "cpack could not make the package"; }
DEB=$(find "$SCRATCH/package" -maxdepth 1 -name 'quillmark_*.deb')
[ -f "$DEB" ] || fail "no quillmark_*.deb in $SCRATCH/package"

DEPENDS=$(dpkg-deb --field "$DEB" Depends)
for needed in libqt6widgets6 libqt6gui6 fonts-liberation2 fonts-dejavu-core; do
  grep -q "\b$needed\b" <<< "$DEPENDS" || fail "the package does not depend on $needed: $DEPENDS"
done

EXPECTED="$SCRATCH/expected.txt"
{
  echo ./usr/bin/quillmark
  echo ./usr/bin/quillmark-cli
  echo ./usr/share/applications/quillmark.desktop
  for size in 16 22 24 32 48 64 128 256; do
    echo "./usr/share/icons/hicolor/${size}x${size}/apps/quillmark.png"
  done
} | sort > "$EXPECTED"
dpkg-deb --contents "$DEB" | awk '$1 !~ /^d/ { print $6 }' | sort |
  diff "$EXPECTED" - || fail "the package holds other files than the programs, the entry and the icons"

ROOT="$SCRATCH/root"
dpkg -x "$DEB" "$ROOT"
ENTRY="$ROOT/usr/share/applications/quillmark.desktop"
desktop-file-validate "$ENTRY" || fail "the desktop entry is not valid"
grep -qx 'MimeType=application/rtf;text/rtf;' "$ENTRY" || fail "the desktop entry does not offer RTF"
grep -qx 'Exec=quillmark %f' "$ENTRY" || fail "the desktop entry does not hand the file to quillmark"

"$ROOT/usr/bin/quillmark-cli" --help > "$SCRATCH/help.txt" || fail "the installed quillmark-cli --help failed"
grep -q '^Usage: quillmark-cli' "$SCRATCH/help.txt" || fail "the installed quillmark-cli printed no usage"
echo "install: ok: $(basename "$DEB") unpacked; entry valid; quillmark-cli --help runs"
