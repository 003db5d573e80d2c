#pragma once

#include "CPageEdits.h"
#include "CPdfDocument.h"
#include "CPdfEditor.h"

#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QVector>

// A picture, or a text added here, that a page draws as a whole and that
// can be moved, resized and deleted; where it is shown, in page points.
struct PageObject
{
    QRectF area;
    bool image = true;
};

// One page as the edits so far leave it.
struct PagePreview
{
    QString error;  // empty when the edits could be made
    QByteArray pdf; // the page alone, as a PDF; empty when it has no edits
    QVector<PageObject> objects;
    QVector<PdfLink> links; // GoTo with page -1: a link that leads nowhere known
    bool Ok() const { return error.isEmpty(); }
};

// Makes the content edits of a document with the structure parser: text and
// pictures drawn over a page, pictures and added texts moved, resized or
// removed by rewriting the one call that draws them, links added, led
// elsewhere or removed. The page's own drawing is kept as it is otherwise.
class CPageContentEditor
{
public:
    static constexpr int kMaxImageSide = 20000;
    static constexpr qint64 kMaxImagePixels = 100000000;

    // Writes source with the edits to target; false with *error when the
    // file cannot be read or an edit does not fit it. The protection of the
    // source is kept.
    static bool Apply(const PdfSource& source, const CPageEdits& edits, const QString& target,
                      QString* error = nullptr);
    // Page nPage of source after the edits: its pictures and links, and the
    // page alone to show when it has edits.
    static PagePreview Preview(const PdfSource& source, const CPageEdits& edits, int nPage);
    // Whether bytes are a PNG or JPEG picture that can be added; *size gets
    // its size in pixels, as it is shown.
    static bool ReadImage(const QByteArray& bytes, QSize* size, QString* error = nullptr);
};
