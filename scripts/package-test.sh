#!/usr/bin/env bash
# Builds the Debian package, checks it, unpacks it into a throwaway root and
# runs the installed program from there: --version, then a PDF on a private
# Xvfb display, whose window must show the document's title.
# Usage: package-test.sh [build-dir]
set -euo pipefail
BUILD_DIR=$(cd "${1:-build}" && pwd)

ROOT=$(mktemp -d)
XVFB_PID=""
APP_PID=""
cleanup() {
    [[ -n "$APP_PID" ]] && kill "$APP_PID" 2>/dev/null || true
    [[ -n "$XVFB_PID" ]] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$ROOT"
}
trap cleanup EXIT
fail() { echo "package test: $*" >&2; exit 1; }

rm -f "$BUILD_DIR"/rvpdf_*.deb
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
DEB=$(ls "$BUILD_DIR"/rvpdf_*.deb)
echo "package: $(basename "$DEB")"

# Errors fail the run; the accepted warnings are listed in the README.
lintian --fail-on error --suppress-tags-from-file /dev/null "$DEB" 2>/dev/null || fail "lintian reports errors"

INSTALL="$ROOT/install"
dpkg-deb -x "$DEB" "$INSTALL"
APP_ID=org.rvpdf.RVPDF
for file in usr/bin/rvpdf \
    usr/share/applications/$APP_ID.desktop \
    usr/share/metainfo/$APP_ID.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/$APP_ID.svg \
    usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$APP_ID.png \
    usr/share/man/man1/rvpdf.1.gz \
    usr/share/doc/rvpdf/copyright usr/share/doc/rvpdf/changelog.gz; do
    [[ -f "$INSTALL/$file" ]] || fail "missing $file"
done
unexpected=$(cd "$INSTALL" && find . -type f | grep -v -E '^\./usr/(bin|share/(applications|metainfo|icons|man|doc))/' || true)
[[ -z "$unexpected" ]] || fail "unexpected files: $unexpected"
desktop-file-validate "$INSTALL/usr/share/applications/$APP_ID.desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$INSTALL/usr/share/metainfo/$APP_ID.metainfo.xml" >/dev/null || fail "metainfo invalid"
zcat "$INSTALL/usr/share/man/man1/rvpdf.1.gz" | grep -q '^\.SH EXIT STATUS' || fail "man page incomplete"

BIN="$INSTALL/usr/bin/rvpdf"
version=$("$BIN" --version)
expected="RVPDF $(dpkg-deb -f "$DEB" Version)"
[[ "$version" == "$expected" ]] || fail "--version printed '$version', the package is '$expected'"
"$BIN" --help | grep -q '^Usage: rvpdf' || fail "--help printed no usage"

# A user of their own, on a display of their own.
export HOME="$ROOT/home" XDG_CONFIG_HOME="$ROOT/config" XDG_DATA_HOME="$ROOT/data"
export XDG_CACHE_HOME="$ROOT/cache" XDG_STATE_HOME="$ROOT/state" XDG_RUNTIME_DIR="$ROOT/runtime" TMPDIR="$ROOT/tmp"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$TMPDIR"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
export RVPDF_DISABLE_REPORTS=1 QT_QPA_PLATFORM=xcb
unset DBUS_SESSION_BUS_ADDRESS
exec 3>"$ROOT/display"
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
exec 3>&-
for _ in $(seq 1 100); do [[ -s "$ROOT/display" ]] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$ROOT/display")"

# A one-page document; the engine rebuilds the cross-reference table.
printf '%s\n' '%PDF-1.4' \
    '1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj' \
    '2 0 obj << /Type /Pages /Kids [3 0 R] /Count 1 >> endobj' \
    '3 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 300 200] >> endobj' \
    'trailer << /Root 1 0 R >>' '%%EOF' > "$ROOT/Installed check.pdf"
"$BIN" "$ROOT/Installed check.pdf" >/dev/null 2>&1 &
APP_PID=$!
for _ in $(seq 1 150); do
    xwininfo -root -tree 2>/dev/null | grep -q '"Installed check' && break
    sleep 0.1
done
xwininfo -root -tree | grep -q '"Installed check' || fail "no window titled with the document"
kill -0 "$APP_PID" || fail "the installed program ended"
echo "package test: passed"
