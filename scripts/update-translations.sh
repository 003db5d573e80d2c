#!/usr/bin/env bash
# Refreshes translations/*.ts from the sources: new texts appear as
# unfinished entries, texts no longer used are dropped. Translate the
# unfinished ones before committing (the tests refuse unfinished entries).
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate -no-obsolete -locations none src platform -ts translations/rvpdf_*.ts
