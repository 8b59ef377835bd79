#!/usr/bin/env bash
# Packages a built tree as the Debian package CPack makes, unpacks it into a
# scratch root and checks what a user gets: exactly the two programs, the
# desktop entry (valid, RTF as an extra type), the icons, the manual pages, the
# licence and the changelog; dependencies on the Qt 6 runtime and the fonts;
# installed programs that answer --version (the editor without a display);
# and a package lintian finds no error in (its warnings are printed).
#   tests/install/run-install.sh BUILD_DIR
set -euo pipefail
BUILD="$(cd "${1:?build folder}" && pwd)"
SOURCE="$(cd "$(dirname "$0")/../.." && pwd)"
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT

fail() {
  echo "install: FAIL: $*" >&2
  exit 1
}

for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate lintian; do
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
  echo ./usr/share/man/man1/quillmark.1.gz
  echo ./usr/share/man/man1/quillmark-cli.1.gz
  echo ./usr/share/doc/quillmark/copyright
  echo ./usr/share/doc/quillmark/changelog.gz
} | sort > "$EXPECTED"
dpkg-deb --contents "$DEB" | awk '$1 !~ /^d/ { print $6 }' | sort |
  diff "$EXPECTED" - || fail "the package holds other files than the programs, entry, icons and documents"

ROOT="$SCRATCH/root"
dpkg -x "$DEB" "$ROOT"
ENTRY="$ROOT/usr/share/applications/quillmark.desktop"
desktop-file-validate "$ENTRY" || fail "the desktop entry is not valid"
grep -qx 'MimeType=application/rtf;text/rtf;' "$ENTRY" || fail "the desktop entry does not offer RTF"
grep -qx 'Exec=quillmark %f' "$ENTRY" || fail "the desktop entry does not hand the file to quillmark"

"$ROOT/usr/bin/quillmark-cli" --help > "$SCRATCH/help.txt" || fail "the installed quillmark-cli --help failed"
grep -q '^Usage: quillmark-cli' "$SCRATCH/help.txt" || fail "the installed quillmark-cli printed no usage"
VERSION=$(dpkg-deb --field "$DEB" Version)
for program in quillmark quillmark-cli; do
  [ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$ROOT/usr/bin/$program" --version)" = "$program $VERSION" ] ||
    fail "the installed $program --version does not print '$program $VERSION'"
done

# The licence travels as the package's copyright file: the same permission text.
diff <(sed -n '/^Permission/,$p' "$SOURCE/LICENSE") \
  <(sed -n '/^ Permission/,$p' "$ROOT/usr/share/doc/quillmark/copyright" | sed 's/^ //; s/^\.$//') ||
  fail "/usr/share/doc/quillmark/copyright does not carry the text of LICENSE"

# Any status but 0: tags at the error level, or a package lintian could not check.
LINTIAN_STATUS=0
lintian --fail-on error --no-tag-display-limit "$DEB" > "$SCRATCH/lintian.txt" 2>&1 || LINTIAN_STATUS=$?
grep '^W: ' "$SCRATCH/lintian.txt" >&2 || true
if [ "$LINTIAN_STATUS" -ne 0 ]; then
  grep -v '^W: ' "$SCRATCH/lintian.txt" >&2 || true
  fail "lintian found errors in the package (status $LINTIAN_STATUS)"
fi
echo "install: ok: $(basename "$DEB") unpacked; entry valid; both programs answer --version; lintian: no errors"
