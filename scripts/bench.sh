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
# Each benchmark adds its figures against the targets to one table.
export RVPDF_BENCH_SUMMARY="$ROOT/summary"
: > "$RVPDF_BENCH_SUMMARY"
# The manual of a real project, as users read it, beside the generated one.
REAL_MANUAL=/usr/share/doc/octave/octave.pdf
"$BUILD_DIR/bench/bench_engine" "$@"
"$BUILD_DIR/bench/bench_search" "$@"
if [[ -f "$REAL_MANUAL" ]]; then
    "$BUILD_DIR/bench/bench_search" "$REAL_MANUAL"
else
    echo "$REAL_MANUAL is missing (scripts/install-deps.sh bench installs it)"
fi
# The peer's single-instance channel is a D-Bus service: a private bus.
PEERS_MANUAL="$REAL_MANUAL"
[[ -f "$PEERS_MANUAL" ]] || PEERS_MANUAL=""
if command -v dbus-run-session >/dev/null 2>&1; then
    dbus-run-session -- "$BUILD_DIR/bench/bench_peers" $PEERS_MANUAL
else
    "$BUILD_DIR/bench/bench_peers" $PEERS_MANUAL
fi
"$BUILD_DIR/bench/bench_organize" "$@"
# A PDF printer of our own: a private print scheduler answering on a socket
# in the run's folder, with a queue that writes what it prints to a file.
PDF_PPD=/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd
if command -v cupsd >/dev/null 2>&1 && command -v lpadmin >/dev/null 2>&1 && [[ -f "$PDF_PPD" ]]; then
    CUPS="$ROOT/cups"
    mkdir -p "$CUPS"/{spool,cache,state,log,temp,out}
    # The scheduler's filters run as a user of their own.
    chmod go+x "$ROOT"
    chmod 777 "$CUPS/temp" "$CUPS/out"
    printf '%s\n' "Listen $CUPS/socket" 'Browsing Off' 'WebInterface No' 'LogLevel warn' \
        '<Location />' 'Order allow,deny' 'Allow all' '</Location>' > "$CUPS/cupsd.conf"
    printf '%s\n' 'FileDevice Yes' "ServerRoot $CUPS" "RequestRoot $CUPS/spool" "CacheDir $CUPS/cache" \
        "StateDir $CUPS/state" "TempDir $CUPS/temp" "ErrorLog $CUPS/log/error_log" "AccessLog $CUPS/log/access_log" \
        "PageLog $CUPS/log/page_log" 'ServerBin /usr/lib/cups' 'DataDir /usr/share/cups' > "$CUPS/cups-files.conf"
    cupsd -f -c "$CUPS/cupsd.conf" -s "$CUPS/cups-files.conf" >"$CUPS/log/cupsd.out" 2>&1 &
    CUPSD_PID=$!
    trap 'kill ${CUPSD_PID:-} ${XVFB_PID:-} 2>/dev/null || true; rm -rf "$ROOT"' EXIT
    export CUPS_SERVER="$CUPS/socket"
    for _ in $(seq 1 100); do [[ -S "$CUPS_SERVER" ]] && break; sleep 0.05; done
    if lpadmin -p BenchPDF -E -v "file://$CUPS/out/printed.pdf" -P "$PDF_PPD" 2>/dev/null; then
        "$BUILD_DIR/bench/bench_print" --printer BenchPDF --printed "$CUPS/out/printed.pdf"
    else
        echo "the private print scheduler did not take a PDF printer: printing to a file only"
        "$BUILD_DIR/bench/bench_print"
    fi
    kill "$CUPSD_PID" 2>/dev/null || true
    wait "$CUPSD_PID" 2>/dev/null || true
    CUPSD_PID=""
    unset CUPS_SERVER
else
    echo "no print scheduler (scripts/install-deps.sh bench installs it): printing to a file only"
    "$BUILD_DIR/bench/bench_print"
fi
"$BUILD_DIR/bench/bench_home"
# The program's entry limits the recognizer's own threads before it loads
# the engine; the engine measured here gets the same limit.
OMP_THREAD_LIMIT=${OMP_THREAD_LIMIT:-1} "$BUILD_DIR/bench/bench_ocr"
echo
echo "Figures beside their peers from this run (load average: $(cut -d' ' -f1-3 /proc/loadavg)):"
{ echo "figure|ours|peer|ratio|target|verdict"; cat "$RVPDF_BENCH_SUMMARY"; } | column -t -s '|'
