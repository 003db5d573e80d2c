#pragma once

#include <QString>

// The program a benchmark launches: this build's, or with RVPDF_BENCH_BINARY
// another build's, measured the same way for a before/after comparison.
inline QString BenchProgram()
{
    const QString other = qEnvironmentVariable("RVPDF_BENCH_BINARY");
    return other.isEmpty() ? QStringLiteral(RVPDF_BINARY) : other;
}
