#pragma once

#include <QImage>
#include <QMutex>
#include <QSizeF>
#include <QString>
#include <QVector>

#include <memory>

namespace Poppler {
class Document;
}

// One loaded PDF file. Page geometry is read once at load; rendering may be
// called from any thread and is serialised per document, since the parser
// underneath is not safe for concurrent use.
class CPdfDocument
{
public:
    enum LoadStatus {
        Loaded,
        Missing,
        Unreadable,
        Damaged,
        NeedsPassword,
        WrongPassword,
    };

    ~CPdfDocument();

    static std::shared_ptr<CPdfDocument> Load(const QString& path, const QByteArray& password,
                                              LoadStatus* status);

    QString FilePath() const { return path; }
    int PageCount() const { return pageSizes.size(); }
    // Page size in points, rotation applied.
    QSizeF PageSize(int index) const;
    QSizeF MaxPageSize() const { return maxSize; }
    bool IsEncrypted() const { return encrypted; }

    // Renders a page at scale pixels per point; null on failure.
    QImage RenderPage(int index, double scale) const;

private:
    CPdfDocument() = default;

    QString path;
    std::unique_ptr<Poppler::Document> document;
    QVector<QSizeF> pageSizes;
    QSizeF maxSize;
    bool encrypted = false;
    mutable QMutex mutex;
};
