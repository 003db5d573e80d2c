#pragma once

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QList>
#include <QMutex>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QVector>

#include <atomic>
#include <functional>
#include <memory>

namespace Poppler {
class Document;
class Page;
} // namespace Poppler
class CImageLocator;

// One word of a page's text, in page points.
struct PdfWord
{
    QString text;
    QRectF box;
    bool spaceAfter = false;
    bool lineEnd = false;
};

struct PdfOutlineNode
{
    QString title;
    int page = -1;
    QVector<PdfOutlineNode> children;
};

struct PdfAttachmentInfo
{
    QString name;
    QString description;
    qint64 size = 0;
};

struct PdfProperties
{
    QString title, author, subject, keywords, creator, producer;
    QDateTime created, modified;
    QString version;
    int pageCount = 0;
    QSizeF firstPageSize;
    qint64 fileSize = 0;
    bool encrypted = false;
};

// One loaded PDF file. Opening reads only what the first page needs; the
// other page sizes are read later (LoadPageSizes, off the GUI thread) and
// estimated from the first page until then. Every call that touches the
// parser is serialised per document, since it is not safe for concurrent
// use; any thread may call them.
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

    static std::shared_ptr<CPdfDocument> Load(const QString& path, const QByteArray& password, LoadStatus* status);

    QString FilePath() const;
    void SetFilePath(const QString& path);
    quint64 Id() const { return id; }
    int PageCount() const { return pageCount; }
    // Page size in points, rotation applied; an estimate until the sizes
    // are loaded.
    QSizeF PageSize(int index) const;
    QSizeF MaxPageSize() const;
    bool SizesLoaded() const { return sizesLoaded.load(); }
    void LoadPageSizes();
    bool IsEncrypted() const { return encrypted; }
    // The password the document was opened with; empty for none.
    QByteArray Password() const { return password; }
    // True while the file on disk is still the one that was opened, by its
    // size and time (cheap).
    bool IsUnchangedOnDisk() const;
    // The same by its content too (reads the whole file): what a save
    // relies on before it replaces the file.
    bool IsSameContentOnDisk() const;

    // Renders region (device pixels of the page at scale pixels per point,
    // null for the whole page); null on failure.
    QImage RenderPage(int index, double scale, const QRect& region = QRect()) const;
    // Where the page draws raster images, in the same points as PageSize;
    // read once per page and kept.
    QVector<QRectF> ImageAreas(int index) const;
    QList<PdfWord> PageWords(int index) const;
    QVector<PdfOutlineNode> Outline() const;
    QList<PdfAttachmentInfo> Attachments() const;
    QByteArray AttachmentData(int index) const;
    PdfProperties Properties() const;

    // A second parser on the same file, for work beside rendering; null when
    // the file on disk is no longer the one that was opened.
    std::unique_ptr<Poppler::Document> OpenParser() const;
    // Runs work on a page with this document's own parser, under its lock;
    // the page is null when it cannot be read.
    void WithPage(int index, const std::function<void(const Poppler::Page*)>& work) const;
    // The same for changes held in memory (annotations, form values), which
    // every later render then shows.
    void EditPage(int index, const std::function<void(Poppler::Page*)>& work);
    // Runs work with this document's own parser under its lock: writing it
    // out with its changes, reading its permissions and form type.
    void WithParser(const std::function<void(Poppler::Document*)>& work) const;

private:
    CPdfDocument() = default;
    static QByteArray Digest(class QFile& file);

    quint64 id = 0;
    QString path;
    std::unique_ptr<Poppler::Document> document;
    int pageCount = 0;
    QVector<QSizeF> pageSizes;
    QSizeF maxSize;
    std::atomic<bool> sizesLoaded {false};
    bool encrypted = false;
    QByteArray password;
    qint64 fileSize = 0;
    QDateTime fileModified;
    QByteArray fileDigest;
    // The parser's lock is held for whole renders; the GUI thread reads sizes
    // and the path under their own short lock so it never waits for a render.
    mutable QMutex mutex;
    mutable QMutex infoMutex;
    // The structure parser for picture areas has a lock of its own, so
    // finding them never waits for a render.
    mutable QMutex imageMutex;
    mutable std::unique_ptr<CImageLocator> locator;
    mutable bool locatorTried = false;
    mutable QHash<int, QVector<QRectF>> imageAreas;
};
