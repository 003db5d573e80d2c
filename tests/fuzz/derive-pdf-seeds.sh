#!/usr/bin/env bash
# Makes the PDF seeds that are mechanical variants of the checked-in ones:
# each rewritten uncompressed (every stream and dictionary readable, the
# shape fuzzing mutates best), one cut off half way, one without its xref
# table. Usage: derive-pdf-seeds.sh CORPUS_PDF_DIR OUT_DIR
set -euo pipefail
src=$1
out=$2
mkdir -p "$out"
for name in one-page rich; do
    # qpdf exits 3 on warnings; the output is still written.
    qpdf --qdf --object-streams=disable --static-id "$src/$name.pdf" "$out/$name-uncompressed.pdf" || [[ $? -eq 3 ]]
done
plain="$out/one-page-uncompressed.pdf"
head -c $(( $(stat -c %s "$plain") / 2 )) "$plain" >"$out/truncated.pdf"
sed '/^xref$/,$d' "$plain" >"$out/no-xref.pdf"
