#include "TestPdf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>

bool TestPdf::Write(const QString& path, int nPages, const QSizeF& sizePt, const QString& label)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setPageSize(QPageSize(sizePt, QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    for (int i = 0; i < nPages; ++i) {
        if (i > 0)
            writer.newPage();
        QFont font("DejaVu Sans");
        font.setPixelSize(36);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(40, 80), QStringLiteral("%1 %2").arg(label).arg(i + 1));
        painter.fillRect(QRectF(40, 120, sizePt.width() / 2, sizePt.height() / 4), QColor(40, 90, 220));
    }
    return painter.end();
}

bool TestPdf::WriteBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

QByteArray TestPdf::Garbage(int nBytes, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(nBytes, Qt::Uninitialized);
    for (int i = 0; i < nBytes; ++i)
        bytes[i] = char(generator.bounded(256));
    return bytes;
}
