#!/usr/bin/env bash
# Runs every test headless: most on the offscreen platform, the ones that
# need a real window system on a private Xvfb display, all inside a private
# D-Bus session so nothing reaches the user's desktop.
set -euo pipefail
BUILD_DIR=${1:-build}
# Anything after the build folder goes to ctest (-R name, --repeat until-fail:N).
shift || true

XVFB_PID=""
cleanup() {
    if [[ -n "$XVFB_PID" ]]; then kill "$XVFB_PID" 2>/dev/null || true; fi
    rm -f "${DISPLAY_FILE:-}"
}
trap cleanup EXIT

DISPLAY_FILE=$(mktemp)
exec 3>"$DISPLAY_FILE"
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
exec 3>&-
for _ in $(seq 1 100); do
    [[ -s "$DISPLAY_FILE" ]] && break
    sleep 0.05
done
if [[ ! -s "$DISPLAY_FILE" ]]; then
    echo "Xvfb did not start" >&2
    exit 1
fi
export RVPDF_TEST_DISPLAY=":$(head -n1 "$DISPLAY_FILE")"

# A test still running after this many seconds is stopped: a safety net
# for a hang, not a measure of speed.
TIMEOUT=${RVPDF_TEST_TIMEOUT:-300}

cd "$BUILD_DIR"
if command -v dbus-run-session >/dev/null 2>&1; then
    dbus-run-session -- ctest --output-on-failure --timeout "$TIMEOUT" "$@"
else
    ctest --output-on-failure --timeout "$TIMEOUT" "$@"
fi
