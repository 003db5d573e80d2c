#!/usr/bin/env bash
# Runs the benchmarks on a private Xvfb display and prints their figures.
set -euo pipefail
BUILD_DIR=${1:-build}
shift || true
ROOT=$(mktemp -d)
trap 'kill "${XVFB_PID:-0}" 2>/dev/null || true; rm -rf "$ROOT"' EXIT
exec 3>"$ROOT/display"
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
exec 3>&-
for _ in $(seq 1 100); do [[ -s "$ROOT/display" ]] && break; sleep 0.05; done
export RVPDF_TEST_DISPLAY=":$(head -n1 "$ROOT/display")"
"$BUILD_DIR/bench/bench_engine" "$@"
"$BUILD_DIR/bench/bench_search" "$@"
"$BUILD_DIR/bench/bench_organize" "$@"
"$BUILD_DIR/bench/bench_print"
"$BUILD_DIR/bench/bench_home"
"$BUILD_DIR/bench/bench_ocr"
