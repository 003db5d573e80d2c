#!/usr/bin/env bash
# Measures the time from launch to the first painted window, on a private
# Xvfb display with fresh per-user folders. Usage: bench-startup.sh [build] [runs]
set -euo pipefail
BUILD_DIR=${1:-build}
RUNS=${2:-20}
BIN="$(cd "$BUILD_DIR" && pwd)/rvpdf"

ROOT=$(mktemp -d)
trap 'kill "${XVFB_PID:-0}" 2>/dev/null || true; rm -rf "$ROOT"' EXIT
exec 3>"$ROOT/display"
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
exec 3>&-
for _ in $(seq 1 100); do [[ -s "$ROOT/display" ]] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$ROOT/display")"
export HOME="$ROOT/home" XDG_CONFIG_HOME="$ROOT/config" XDG_DATA_HOME="$ROOT/data"
export XDG_CACHE_HOME="$ROOT/cache" XDG_RUNTIME_DIR="$ROOT/runtime" TMPDIR="$ROOT/tmp"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$TMPDIR"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

times=()
for i in $(seq 1 "$RUNS"); do
    start=$(date +%s%6N)
    painted=$(RVPDF_STARTUP_PROBE=1 "$BIN" 2>/dev/null | awk '/^painted/ {print $2}')
    times+=($(( (painted - start) / 1000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "launch to first painted window over $RUNS runs (ms): min ${sorted[0]}, median ${sorted[$((RUNS / 2))]}, max ${sorted[$((RUNS - 1))]}"
