#!/usr/bin/env bash
# Runs every libFuzzer target of a -DRVPDF_FUZZ=ON build for a bounded time,
# starting from its checked-in seeds. A fault found is saved under
# tests/fuzz/regressions/<target>/, where the normal suite replays it from
# then on, and fails the run. Prints executions per second and coverage.
# RVPDF_FUZZ_SEED fixes libFuzzer's seed, so that a run repeats what an
# earlier one did (CI); unset, each run explores anew.
# Usage: fuzz.sh [build dir] [seconds per target] [target...]
set -uo pipefail
BUILD_DIR=${1:-build-fuzz}
SECONDS_EACH=${2:-60}
shift $(( $# > 2 ? 2 : $# ))
ROOT=$(cd "$(dirname "$0")/.." && pwd)
TARGETS=("$@")
if [[ ${#TARGETS[@]} -eq 0 ]]; then
    TARGETS=(instance tabdrag recent settings mimeapps update pdf)
fi

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
if [[ -x /usr/lib/llvm-15/bin/llvm-symbolizer ]]; then
    export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-15/bin/llvm-symbolizer
fi
export LSAN_OPTIONS="suppressions=$ROOT/tests/sanitizer/lsan.supp:print_suppressions=0"

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
failed=0
recover=
summary=$(printf '%-10s %10s %10s %8s %8s  %s' target execs exec/s edges corpus result)
for target in "${TARGETS[@]}"; do
    binary="$BUILD_DIR/fuzz/fuzz_$target"
    if [[ ! -x "$binary" ]]; then
        echo "fuzz: no target $binary" >&2
        failed=1
        continue
    fi
    # New inputs go to a scratch copy; only the seeds and findings are kept.
    corpus="$WORK/corpus/$target"
    artifacts="$WORK/artifacts/$target/"
    mkdir -p "$corpus" "$artifacts"
    cp "$ROOT/tests/fuzz/corpus/$target/"* "$corpus/"
    if [[ -d "$BUILD_DIR/tests/fuzz/derived/$target" ]]; then
        cp "$BUILD_DIR/tests/fuzz/derived/$target/"* "$corpus/"
    fi
    args=(-max_total_time="$SECONDS_EACH" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1
          -artifact_prefix="$artifacts")
    [[ -f "$ROOT/tests/fuzz/$target.dict" ]] && args+=(-dict="$ROOT/tests/fuzz/$target.dict")
    [[ -n "${RVPDF_FUZZ_SEED:-}" ]] && args+=(-seed="$RVPDF_FUZZ_SEED")
    echo "fuzz: $target for ${SECONDS_EACH}s"
    "$binary" "${args[@]}" "$corpus" >"$WORK/$target.log" 2>&1
    rc=$?
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$WORK/$target.log" | tail -n1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$WORK/$target.log" | tail -n1)
    edges=$(grep -o 'cov: [0-9]*' "$WORK/$target.log" | tail -n1 | cut -d' ' -f2)
    units=$(grep -o 'corp: [0-9]*' "$WORK/$target.log" | tail -n1 | cut -d' ' -f2)
    result=ok
    findings=("$artifacts"*)
    if [[ $rc -ne 0 || -e "${findings[0]}" ]]; then
        result=FAULT
        failed=1
        mkdir -p "$ROOT/tests/fuzz/regressions/$target"
        for finding in "${findings[@]}"; do
            [[ -e "$finding" ]] || continue
            cp "$finding" "$ROOT/tests/fuzz/regressions/$target/"
            result+=" tests/fuzz/regressions/$target/$(basename "$finding")"
            # A clone that goes away (CI) keeps the input only in its log.
            if [[ $(stat -c %s "$finding") -le 65536 ]]; then
                recover+=$'\n'"fuzz: $target/$(basename "$finding") as base64: $(base64 -w0 "$finding")"
            fi
        done
        echo "---- $target: exit $rc; last lines of its log:"
        grep -v '^#[0-9]' "$WORK/$target.log" | tail -n 60
    fi
    summary+=$'\n'$(printf '%-10s %10s %10s %8s %8s  %s' "$target" "${execs:-?}" "${rate:-?}" "${edges:-?}" \
        "${units:-?}" "$result")
done
echo "$summary"
if [[ $failed -ne 0 ]]; then
    echo "fuzz: faults found; inputs saved under tests/fuzz/regressions/ (replayed by make test)${recover:-}"
fi
exit $failed
