#pragma once

#include <QByteArray>
#include <QColor>
#include <QCoreApplication>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

// How added text looks.
struct PdfTextStyle
{
    QString family; // empty: the desktop's own font
    double size = 14;
    QColor color = Qt::black;
};

// Text added to a page as page content: drawn by the toolkit's PDF writer
// onto a page of its own, the size of the page it goes on, which embeds the
// font (only the glyphs used) with its text, so that readers show, find and
// copy it. The page is later laid over the real one.
class CTextOverlay
{
    Q_DECLARE_TR_FUNCTIONS(CTextOverlay)

public:
    static constexpr int kMaxLength = 20000;

    // The text (lines split at line breaks) with its first line's top left
    // at topLeft, on a page of pageSize points. *area gets where it sits.
    // Empty for empty text, and with *error for text too long, text that
    // would not start on the page, a font that is not installed, lacks one
    // of the characters or cannot be embedded: no other font stands in.
    static QByteArray Make(const QString& text, const PdfTextStyle& style, const QSizeF& pageSize,
                           const QPointF& topLeft, QRectF* area, QString* error = nullptr);
};
