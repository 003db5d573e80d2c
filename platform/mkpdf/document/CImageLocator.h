#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <QVector>

#include <memory>

class QPDF;

// Finds where the pages of a file draw raster images: follows each page's
// content stream, and the forms it calls, through their transformation
// matrices to every image XObject and inline image. Areas are in page
// points with the origin at the top left of the crop box and the page's
// rotation applied, the space pages are laid out and rendered in. Not
// thread-safe; callers serialise.
class CImageLocator
{
public:
    CImageLocator();
    ~CImageLocator();

    // False when the file cannot be read by the structure parser.
    bool Open(const QString& path, const QByteArray& password);
    // Empty for a page without pictures, an index out of range, or a page
    // whose content cannot be followed.
    QVector<QRectF> ImageAreas(int nPage);

private:
    std::unique_ptr<QPDF> pdf;
};
