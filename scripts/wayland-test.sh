#!/usr/bin/env bash
# Runs the application on Wayland under a private headless compositor, as a
# user of a Wayland desktop would meet it: start with a PDF, a second launch
# handing over another, the window tests (tabs torn off into new windows,
# tabs moved between windows, closing) on the Wayland platform, and a
# screenshot of each step in $SHOTS.
# Usage: wayland-test.sh [build-dir]
set -euo pipefail
BUILD_DIR=$(cd "${1:-build}" && pwd)
SHOTS=${SHOTS:-$BUILD_DIR/wayland-shots}

ROOT=$(mktemp -d)
WESTON_PID=""
APP_PID=""
cleanup() {
    [[ -n "$APP_PID" ]] && kill "$APP_PID" 2>/dev/null || true
    [[ -n "$WESTON_PID" ]] && kill "$WESTON_PID" 2>/dev/null || true
    rm -rf "$ROOT"
}
trap cleanup EXIT
fail() {
    echo "wayland test: $*" >&2
    for log in "$ROOT/app.out" "$ROOT"/state/rvpdf/log/*.log; do [[ -f "$log" ]] && tail -15 "$log" >&2; done
    exit 1
}
# Waits up to $1 tenths of a second for the command after it to succeed.
wait_for() {
    local tries=$1; shift
    for _ in $(seq 1 "$tries"); do "$@" && return 0; sleep 0.1; done
    return 1
}

# A user of their own: folders, runtime directory, session bus.
export HOME="$ROOT/home" XDG_CONFIG_HOME="$ROOT/config" XDG_DATA_HOME="$ROOT/data"
export XDG_CACHE_HOME="$ROOT/cache" XDG_STATE_HOME="$ROOT/state" XDG_RUNTIME_DIR="$ROOT/runtime" TMPDIR="$ROOT/tmp"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME" "$TMPDIR" "$SHOTS"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
export RVPDF_DISABLE_REPORTS=1
unset DISPLAY DBUS_SESSION_BUS_ADDRESS XDG_CURRENT_DESKTOP

# --debug lets weston-screenshooter ask for the screen; pixman so there is a
# picture to take without a GPU.
weston --backend=headless-backend.so --use-pixman --width=1400 --height=900 \
    --socket=rvpdf-wayland --idle-time=0 --debug --log="$ROOT/weston.log" &
WESTON_PID=$!
wait_for 100 test -S "$XDG_RUNTIME_DIR/rvpdf-wayland" || fail "weston did not start"
# Absolute, so the tests, which make runtime folders of their own, find it.
export WAYLAND_DISPLAY="$XDG_RUNTIME_DIR/rvpdf-wayland" QT_QPA_PLATFORM=wayland

shot() {
    (cd "$ROOT" && rm -f wayland-screenshot*.png && weston-screenshooter >/dev/null 2>&1) || return 0
    local file
    file=$(ls "$ROOT"/wayland-screenshot*.png 2>/dev/null | head -n1)
    [[ -n "$file" ]] && mv "$file" "$SHOTS/$1.png" && echo "screenshot: $SHOTS/$1.png"
    return 0
}

# Two one-page documents of different sizes.
make_pdf() {
    printf '%s\n' '%PDF-1.4' \
        '1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj' \
        '2 0 obj << /Type /Pages /Kids [3 0 R] /Count 1 >> endobj' \
        "3 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 $2] >> endobj" \
        'trailer << /Root 1 0 R >>' '%%EOF' > "$1"
}
mkdir -p "$ROOT/docs"
make_pdf "$ROOT/docs/First on Wayland.pdf" "300 200"
make_pdf "$ROOT/docs/Second on Wayland.pdf" "200 300"

BIN="$BUILD_DIR/rvpdf"
RECENT="$XDG_STATE_HOME/rvpdf/recentfiles.json"
LOG_DIR="$XDG_STATE_HOME/rvpdf"
in_recent() { [[ -f "$RECENT" ]] && grep -qF "$1" "$RECENT"; }
(cd "$ROOT/docs" && exec "$BIN" "First on Wayland.pdf") >"$ROOT/app.out" 2>&1 &
APP_PID=$!
wait_for 150 in_recent "First on Wayland.pdf" || fail "the document given by argument did not open"
kill -0 "$APP_PID" 2>/dev/null || fail "the application ended"
shot 1-open-by-argument

# The second launch hands its file over and ends; the first shows it.
timeout 20 "$BIN" "$ROOT/docs/Second on Wayland.pdf" >"$ROOT/second.out" 2>&1 || fail "the second launch did not end by itself"
wait_for 150 in_recent "Second on Wayland.pdf" || fail "the handed-over document did not open"
kill -0 "$APP_PID" 2>/dev/null || fail "the application ended after the hand-over"
shot 2-hand-over
grep -q "Wayland" "$ROOT/app.out" && grep "Wayland" "$ROOT/app.out" >&2 || true

# An orderly end: the desktop asks, the windows close, the process ends.
kill -TERM "$APP_PID"
sleep 2; shot 3-after-term
wait_for 100 bash -c "! kill -0 $APP_PID 2>/dev/null" || fail "the application did not end on a termination request"
wait "$APP_PID" 2>/dev/null || true
APP_PID=""
grep -rqs "App Exit" "$LOG_DIR" || fail "no exit line in the log"

# Tearing tabs off, moving them between windows and closing, on Wayland.
cd "$BUILD_DIR/tests"
for test in tst_mainview tst_tabbar; do
    RVPDF_TEST_PLATFORM=wayland ./"$test" >"$ROOT/$test.out" 2>&1 || { tail -40 "$ROOT/$test.out" >&2; fail "$test failed on Wayland"; }
    echo "$test: $(grep -E '^Totals' "$ROOT/$test.out")"
done
echo "wayland test: passed"
