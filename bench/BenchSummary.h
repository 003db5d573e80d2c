#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// One row of the table scripts/bench.sh prints at the end of a run: a
// figure, ours and the peer's from the same run, their ratio, the target
// and whether it is met. Appended to the file RVPDF_BENCH_SUMMARY names;
// nothing when it names none.
inline void SummaryRow(const QString& figure, const QString& ours, const QString& peer, double ratio,
                       const QString& target, bool met)
{
    const QByteArray path = qgetenv("RVPDF_BENCH_SUMMARY");
    QFile file(QString::fromLocal8Bit(path));
    if (path.isEmpty() || !file.open(QIODevice::Append))
        return;
    const QString ratioText = ratio > 0 ? QString::number(ratio, 'f', 2) + "x" : QStringLiteral("-");
    file.write(QStringList {figure, ours, peer.isEmpty() ? QStringLiteral("-") : peer, ratioText, target,
                            met ? QStringLiteral("met") : QStringLiteral("NOT MET")}
                   .join('|')
                   .toUtf8()
               + '\n');
}
