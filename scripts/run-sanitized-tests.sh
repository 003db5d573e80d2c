#!/usr/bin/env bash
# Runs the whole suite of a build made with -DRVPDF_SANITIZE=address,undefined.
# Any report stops the process that made it and fails its test.
set -euo pipefail
BUILD_DIR=${1:-build-asan}
ROOT=$(cd "$(dirname "$0")/.." && pwd)

# Full stacks for every allocation: Qt is built without frame pointers, and
# the suppressions can only tell a system library's leak by its frames.
export ASAN_OPTIONS="detect_leaks=1:fast_unwind_on_malloc=0:halt_on_error=1:abort_on_error=0:detect_stack_use_after_return=0:strict_init_order=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$ROOT/tests/sanitizer/lsan.supp:print_suppressions=0"
# A sanitized build runs several times slower, and more so on a machine
# busy with other builds: the net for a hang is set wider.
export RVPDF_TEST_TIMEOUT=${RVPDF_TEST_TIMEOUT:-1800}
exec "$ROOT/scripts/run-tests.sh" "$BUILD_DIR"
