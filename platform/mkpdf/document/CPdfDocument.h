#pragma once

#include <QByteArray>
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

// A link of a page: where it sits (page points, top left origin, the page's
// turn applied) and where it leads. Programs and scripts are read so that
// they can be named, never to be run.
struct PdfLink
{
    enum Kind {
        GoTo,    // a page of this document
        Uri,     // an address for the desktop to open
        File,    // another file, target as written (relative to the document)
        Command, // a viewer command, target the menu key ("next_page", "go_back", ...)
        Launch,  // runs a program: never followed
        Script,  // runs a script: never followed
    };
    QRectF area;
    Kind kind = GoTo;
    int page = -1;   // GoTo, and File when it names a page
    double top = -1; // GoTo: the target's top as a fraction of the page's height, or -1
    QString target;
};

struct PdfOutlineNode
{
    QString title;
    int page = -1;
    QVector<PdfOutlineNode> children;
};

// A file a document carries: in its own list of files, or in a file
// attachment comment of a page.
struct PdfAttachmentInfo
{
    QString name;
    QString description;
    qint64 size = 0;
    int page = -1; // the comment's page; -1 for the document's own list
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
    // What the document's permissions allow whoever opened it; the
    // permissions password allows everything.
    bool OkToPrint() const { return okToPrint; }
    bool OkToCopy() const { return okToCopy; }
    // True while the file on disk is still the one that was opened, by its
    // size and time (cheap).
    bool IsUnchangedOnDisk() const;
    // The same by its content too (reads the whole file): what a save
    // relies on before it replaces the file.
    bool IsSameContentOnDisk() const;

    // Renders region (device pixels of the page at scale pixels per point,
    // null for the whole page); null on failure.
    QImage RenderPage(int index, double scale, const QRect& region = QRect()) const;
    // The same with a parser of its own, so that a long render (for text
    // recognition) does not hold up the pictures on screen.
    QImage RenderPageApart(int index, double scale) const;
    // Until set again with nothing, page index is shown as pdf (the page
    // alone, with content edits not saved yet) draws it. False when pdf is
    // not one page that can be read.
    bool SetPageOverride(int index, const QByteArray& pdf);
    // Where the page draws raster images, in the same points as PageSize;
    // read once per page and kept.
    QVector<QRectF> ImageAreas(int index) const;
    QList<PdfWord> PageWords(int index) const;
    QVector<PdfLink> PageLinks(int index) const;
    QVector<PdfOutlineNode> Outline() const;
    // The document's own files, then those of file attachment comments in
    // page order. The first call reads every page: make it off the GUI thread.
    QList<PdfAttachmentInfo> Attachments() const;
    // The content of Attachments().at(index), whose page is page.
    QByteArray AttachmentData(int index, int page = -1) const;
    PdfProperties Properties() const;

    // Text recognized for a page and not yet written to the file: a one-page
    // PDF of invisible text, in the page's orientation and about its size.
    // The page's words and text are read from it from then on; empty bytes
    // take it away again.
    void SetTextLayer(int index, const QByteArray& pdf);
    bool HasTextLayer(int index) const;
    // True while any page has one: the text is then not the file's alone.
    bool HasTextLayers() const;
    // Changes whenever a text layer comes or goes, for whoever keeps words.
    int TextRevision() const { return textRevision.load(); }
    // Runs work on the text layer's page of a page, with the factors from its
    // points to the page's; false (and nothing run) when there is none.
    bool WithTextLayer(int index, const std::function<void(const Poppler::Page&, const QSizeF&)>& work) const;
    // True when the page has text of its own or recognized for it.
    bool HasText(int index) const;
    // True for a scan: a page without text that a picture mostly covers.
    bool IsScannedPage(int index) const;

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
    bool okToPrint = true;
    bool okToCopy = true;
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
    // Pages shown from a file of their own; read under the parser's lock,
    // changed under a lock of their own.
    mutable QMutex overrideMutex;
    QHash<int, std::shared_ptr<Poppler::Document>> overrides;
    mutable std::unique_ptr<CImageLocator> locator;
    mutable bool locatorTried = false;
    mutable QHash<int, QVector<QRectF>> imageAreas;
    struct TextLayer;
    mutable QMutex layerMutex;
    QHash<int, std::shared_ptr<TextLayer>> textLayers;
    std::atomic<int> textRevision {0};
    mutable QList<PdfAttachmentInfo> attachments;
    mutable bool attachmentsRead = false;
};
