#pragma once

#include "CPdfDocument.h"

#include <QFuture>
#include <QImage>
#include <QString>
#include <QVariantMap>

#include <memory>

class CPdfDocument;

// A file read ahead in the background, with the page it opens at rendered
// for the view it will be shown in, so that opening it soon after finds the
// work done and its tab and page appear together. One file at a time.
class CDocumentPrefetch
{
public:
    struct Result
    {
        std::shared_ptr<CPdfDocument> document;
        CPdfDocument::LoadStatus status = CPdfDocument::Damaged;
        QImage page;
        int pageIndex = 0;
        double scale = 0;
        int colors = 0;
    };

    // The page is rendered for a view nViewportWidth pixels wide on a screen
    // of dDpiX dots per inch; options are those of the open request: page,
    // zoom and display mode.
    static void Start(const QString& path, int nViewportWidth, double dDpiX, const QVariantMap& options = {});
    static QString Path();
    // The work for path, waited for and handed over; empty for any other
    // file (the work for that one is kept).
    static Result Take(const QString& path);
    // The same without waiting: the work's future, finished or not; an
    // empty future for any other file.
    static QFuture<Result> TakeFuture(const QString& path);
    static void Clear();
};
