#include "CPdfDocument.h"

#include "CImageLocator.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <poppler-qt5.h>

namespace {

// The parser reports every oddity of a damaged file; the open result already
// says what the user needs to know.
void IgnoreParserMessage(const QString& message, const QVariant& closure)
{
    Q_UNUSED(message);
    Q_UNUSED(closure);
}

QSizeF ValidSize(const QSizeF& size)
{
    return (size.isValid() && !size.isEmpty()) ? size : QSizeF(612, 792);
}

void ConvertOutline(const QVector<Poppler::OutlineItem>& items, QVector<PdfOutlineNode>* out, int depth)
{
    if (depth > 64)
        return;
    for (const Poppler::OutlineItem& item : items) {
        PdfOutlineNode node;
        node.title = item.name();
        if (auto destination = item.destination())
            node.page = destination->pageNumber() - 1;
        if (item.hasChildren())
            ConvertOutline(item.children(), &node.children, depth + 1);
        out->append(node);
    }
}

std::atomic<quint64> nextId {1};

void SetRenderHints(Poppler::Document* doc)
{
    doc->setRenderHint(Poppler::Document::Antialiasing, true);
    doc->setRenderHint(Poppler::Document::TextAntialiasing, true);
    doc->setRenderHint(Poppler::Document::TextHinting, true);
    doc->setRenderHint(Poppler::Document::ThinLineSolid, true);
}

} // namespace

CPdfDocument::~CPdfDocument()
{
    QMutexLocker locker(&mutex);
    document.reset();
}

std::shared_ptr<CPdfDocument> CPdfDocument::Load(const QString& path, const QByteArray& password, LoadStatus* status)
{
    auto fail = [status](LoadStatus value) {
        if (status)
            *status = value;
        return std::shared_ptr<CPdfDocument>();
    };

    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return fail(Missing);
    if (!info.isFile() || !info.isReadable())
        return fail(Unreadable);
    QByteArray digest;
    {
        QFile probe(path);
        if (!probe.open(QIODevice::ReadOnly))
            return fail(Unreadable);
        // A PDF says so in its first kilobyte; anything else (a large file
        // of nothing that only calls itself .pdf) would be searched from end
        // to end by the parser's repair before it gave up.
        if (probe.size() == 0 || !probe.peek(1024).contains("%PDF-"))
            return fail(Damaged);
        digest = Digest(probe);
        if (digest.isEmpty())
            return fail(Unreadable);
    }

    static const bool quiet = [] {
        Poppler::setDebugErrorFunction(IgnoreParserMessage, QVariant());
        return true;
    }();
    Q_UNUSED(quiet);
    std::unique_ptr<Poppler::Document> doc(Poppler::Document::load(path, password, password));
    if (!doc)
        return fail(Damaged);
    const bool encrypted = doc->isEncrypted();
    if (doc->isLocked())
        return fail(password.isEmpty() ? NeedsPassword : WrongPassword);

    const int count = doc->numPages();
    if (count <= 0)
        return fail(Damaged);
    std::unique_ptr<Poppler::Page> first(doc->page(0));
    if (!first)
        return fail(Damaged);

    std::shared_ptr<CPdfDocument> result(new CPdfDocument);
    result->id = nextId.fetch_add(1);
    result->path = info.absoluteFilePath();
    result->encrypted = encrypted;
    result->okToPrint = doc->okToPrint();
    result->okToCopy = doc->okToCopy();
    result->password = password;
    result->fileSize = info.size();
    result->fileModified = info.lastModified();
    result->fileDigest = digest;
    result->pageCount = count;
    // Every page starts as an estimate from the first one.
    const QSizeF firstSize = ValidSize(first->pageSizeF());
    result->pageSizes = QVector<QSizeF>(count, firstSize);
    result->maxSize = firstSize;
    result->sizesLoaded = count == 1;
    SetRenderHints(doc.get());
    result->document = std::move(doc);
    if (status)
        *status = Loaded;
    return result;
}

QString CPdfDocument::FilePath() const
{
    QMutexLocker locker(&infoMutex);
    return path;
}

void CPdfDocument::SetFilePath(const QString& newPath)
{
    QMutexLocker locker(&infoMutex);
    path = newPath;
}

void CPdfDocument::LoadPageSizes()
{
    if (sizesLoaded)
        return;
    QVector<QSizeF> sizes(pageCount);
    QSizeF largest;
    // In chunks, so renders of visible pages get their turn in between.
    constexpr int kChunk = 64;
    for (int first = 0; first < pageCount; first += kChunk) {
        QMutexLocker locker(&mutex);
        for (int i = first; i < qMin(first + kChunk, pageCount); ++i) {
            std::unique_ptr<Poppler::Page> page(document->page(i));
            sizes[i] = ValidSize(page ? page->pageSizeF() : QSizeF());
            largest = largest.expandedTo(sizes[i]);
        }
    }
    QMutexLocker locker(&infoMutex);
    pageSizes = sizes;
    maxSize = largest;
    sizesLoaded = true;
}

QSizeF CPdfDocument::PageSize(int index) const
{
    QMutexLocker locker(&infoMutex);
    if (index < 0 || index >= pageSizes.size())
        return QSizeF();
    return pageSizes.at(index);
}

QSizeF CPdfDocument::MaxPageSize() const
{
    QMutexLocker locker(&infoMutex);
    return maxSize;
}

QImage CPdfDocument::RenderPage(int index, double scale, const QRect& region) const
{
    if (index < 0 || index >= pageCount || scale <= 0)
        return QImage();
    QMutexLocker locker(&mutex);
    if (!document)
        return QImage();
    std::shared_ptr<Poppler::Document> shown;
    {
        QMutexLocker overrideLocker(&overrideMutex);
        shown = overrides.value(index);
    }
    std::unique_ptr<Poppler::Page> page(shown ? shown->page(0) : document->page(index));
    if (!page)
        return QImage();
    const double dpi = 72.0 * scale;
    if (region.isNull())
        return page->renderToImage(dpi, dpi);
    return page->renderToImage(dpi, dpi, region.x(), region.y(), region.width(), region.height());
}

QImage CPdfDocument::RenderPageApart(int index, double scale) const
{
    std::unique_ptr<Poppler::Document> parser = OpenParser();
    std::unique_ptr<Poppler::Page> page(parser && index >= 0 && index < pageCount ? parser->page(index) : nullptr);
    if (!page || scale <= 0)
        return RenderPage(index, scale);
    parser->setRenderHint(Poppler::Document::Antialiasing, true);
    parser->setRenderHint(Poppler::Document::TextAntialiasing, true);
    return page->renderToImage(72.0 * scale, 72.0 * scale);
}

bool CPdfDocument::SetPageOverride(int index, const QByteArray& pdf)
{
    if (index < 0 || index >= pageCount)
        return false;
    std::shared_ptr<Poppler::Document> shown;
    if (!pdf.isEmpty()) {
        shown.reset(Poppler::Document::loadFromData(pdf));
        if (!shown || shown->isLocked() || shown->numPages() != 1)
            return false;
        SetRenderHints(shown.get());
    }
    QMutexLocker locker(&overrideMutex);
    if (shown)
        overrides.insert(index, shown);
    else
        overrides.remove(index);
    return true;
}

QVector<QRectF> CPdfDocument::ImageAreas(int index) const
{
    if (index < 0 || index >= pageCount)
        return {};
    QMutexLocker locker(&imageMutex);
    auto it = imageAreas.constFind(index);
    if (it != imageAreas.constEnd())
        return it.value();
    if (!locatorTried) {
        locatorTried = true;
        locator = std::make_unique<CImageLocator>();
        if (!locator->Open(FilePath(), password))
            locator.reset();
    }
    const QVector<QRectF> areas = locator ? locator->ImageAreas(index) : QVector<QRectF>();
    imageAreas.insert(index, areas);
    return areas;
}

namespace {

// Recognized words (scaled to the page) are always apart from the next.
QList<PdfWord> WordsOf(const Poppler::Page& page, const QSizeF& scale, bool bRecognized)
{
    QList<PdfWord> words;
    const QList<Poppler::TextBox*> boxes = page.textList();
    for (int i = 0; i < boxes.size(); ++i) {
        const Poppler::TextBox* box = boxes.at(i);
        PdfWord word;
        word.text = box->text();
        const QRectF r = box->boundingBox();
        word.box = QRectF(r.x() * scale.width(), r.y() * scale.height(), r.width() * scale.width(),
                          r.height() * scale.height());
        word.spaceAfter = box->hasSpaceAfter() || bRecognized;
        // A following word starting left of this one begins a new line.
        word.lineEnd = i + 1 < boxes.size() && boxes.at(i + 1)->boundingBox().left() < r.left()
            && boxes.at(i + 1)->boundingBox().top() > r.center().y();
        words.append(word);
    }
    qDeleteAll(boxes);
    return words;
}

} // namespace

struct CPdfDocument::TextLayer
{
    QByteArray bytes;
    std::unique_ptr<Poppler::Document> parser;
    QMutex mutex;
};

QList<PdfWord> CPdfDocument::PageWords(int index) const
{
    QList<PdfWord> words;
    if (index < 0 || index >= pageCount)
        return words;
    if (WithTextLayer(index,
                      [&words](const Poppler::Page& page, const QSizeF& scale) { words = WordsOf(page, scale, true); }))
        return words;
    QMutexLocker locker(&mutex);
    std::unique_ptr<Poppler::Page> page(document->page(index));
    return page ? WordsOf(*page, QSizeF(1, 1), false) : words;
}

void CPdfDocument::SetTextLayer(int index, const QByteArray& pdf)
{
    if (index < 0 || index >= pageCount)
        return;
    std::shared_ptr<TextLayer> layer;
    if (!pdf.isEmpty()) {
        layer = std::make_shared<TextLayer>();
        layer->bytes = pdf;
        layer->parser.reset(Poppler::Document::loadFromData(layer->bytes));
        if (!layer->parser || layer->parser->isLocked() || layer->parser->numPages() != 1)
            return;
    }
    {
        QMutexLocker locker(&layerMutex);
        if (layer)
            textLayers.insert(index, layer);
        else
            textLayers.remove(index);
    }
    ++textRevision;
}

bool CPdfDocument::HasTextLayer(int index) const
{
    QMutexLocker locker(&layerMutex);
    return textLayers.contains(index);
}

bool CPdfDocument::HasTextLayers() const
{
    QMutexLocker locker(&layerMutex);
    return !textLayers.isEmpty();
}

bool CPdfDocument::WithTextLayer(int index, const std::function<void(const Poppler::Page&, const QSizeF&)>& work) const
{
    std::shared_ptr<TextLayer> layer;
    {
        QMutexLocker locker(&layerMutex);
        layer = textLayers.value(index);
    }
    if (!layer)
        return false;
    QMutexLocker locker(&layer->mutex);
    std::unique_ptr<Poppler::Page> page(layer->parser->page(0));
    if (!page)
        return false;
    const QSizeF own = page->pageSizeF();
    const QSizeF size = PageSize(index);
    if (own.isEmpty())
        return false;
    work(*page, QSizeF(size.width() / own.width(), size.height() / own.height()));
    return true;
}

bool CPdfDocument::HasText(int index) const
{
    if (HasTextLayer(index))
        return true;
    bool hasText = true;
    WithPage(index,
             [&hasText](const Poppler::Page* page) { hasText = !page || !page->text(QRectF()).trimmed().isEmpty(); });
    return hasText;
}

bool CPdfDocument::IsScannedPage(int index) const
{
    if (index < 0 || index >= pageCount || HasText(index))
        return false;
    const QRectF whole(QPointF(), PageSize(index));
    double covered = 0;
    for (const QRectF& area : ImageAreas(index))
        covered += area.intersected(whole).width() * area.intersected(whole).height();
    return covered >= 0.5 * whole.width() * whole.height();
}

namespace {

// Viewer commands a link may ask for, as the window's menu keys.
QString CommandKey(Poppler::LinkAction::ActionType type)
{
    switch (type) {
    case Poppler::LinkAction::PageFirst:
        return QStringLiteral("first_page");
    case Poppler::LinkAction::PagePrev:
        return QStringLiteral("pre_page");
    case Poppler::LinkAction::PageNext:
        return QStringLiteral("next_page");
    case Poppler::LinkAction::PageLast:
        return QStringLiteral("last_page");
    case Poppler::LinkAction::HistoryBack:
        return QStringLiteral("go_back");
    case Poppler::LinkAction::HistoryForward:
        return QStringLiteral("go_forward");
    case Poppler::LinkAction::GoToPage:
        return QStringLiteral("goto");
    case Poppler::LinkAction::Find:
        return QStringLiteral("find");
    case Poppler::LinkAction::Presentation:
        return QStringLiteral("presentation");
    case Poppler::LinkAction::Print:
        return QStringLiteral("print");
    default:
        return QString();
    }
}

} // namespace

QVector<PdfLink> CPdfDocument::PageLinks(int index) const
{
    QVector<PdfLink> links;
    if (index < 0 || index >= pageCount)
        return links;
    QMutexLocker locker(&mutex);
    std::unique_ptr<Poppler::Page> page(document->page(index));
    if (!page)
        return links;
    const QSizeF size = page->pageSizeF();
    for (Poppler::Link* link : page->links()) {
        std::unique_ptr<Poppler::Link> owned(link);
        const QRectF area = link->linkArea().normalized();
        PdfLink out;
        out.area = QRectF(area.x() * size.width(), area.y() * size.height(), area.width() * size.width(),
                          area.height() * size.height());
        switch (link->linkType()) {
        case Poppler::Link::Goto: {
            const auto* go = static_cast<const Poppler::LinkGoto*>(link);
            const Poppler::LinkDestination target = go->destination();
            out.page = target.pageNumber() - 1;
            if (target.isChangeTop())
                out.top = qBound(0.0, target.top(), 1.0);
            if (go->isExternal()) {
                out.kind = PdfLink::File;
                out.target = go->fileName();
            } else if (out.page < 0 || out.page >= pageCount) {
                continue; // a destination the file does not hold
            }
            break;
        }
        case Poppler::Link::Browse:
            out.kind = PdfLink::Uri;
            out.target = static_cast<const Poppler::LinkBrowse*>(link)->url();
            break;
        case Poppler::Link::Execute:
            out.kind = PdfLink::Launch;
            out.target = static_cast<const Poppler::LinkExecute*>(link)->fileName();
            break;
        case Poppler::Link::JavaScript:
            out.kind = PdfLink::Script;
            break;
        case Poppler::Link::Action:
            out.kind = PdfLink::Command;
            out.target = CommandKey(static_cast<const Poppler::LinkAction*>(link)->actionType());
            if (out.target.isEmpty())
                continue;
            break;
        default:
            continue;
        }
        if (out.area.isValid())
            links.append(out);
    }
    return links;
}

bool CPdfDocument::IsUnchangedOnDisk() const
{
    const QFileInfo info(FilePath());
    return info.exists() && info.size() == fileSize && info.lastModified() == fileModified;
}

bool CPdfDocument::IsSameContentOnDisk() const
{
    // Size and time first: a program may write the same number of bytes
    // within the same second, or set the time back.
    if (!IsUnchangedOnDisk())
        return false;
    QFile file(FilePath());
    return file.open(QIODevice::ReadOnly) && Digest(file) == fileDigest;
}

QByteArray CPdfDocument::Digest(QFile& file)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    return hash.addData(&file) ? hash.result() : QByteArray();
}

std::unique_ptr<Poppler::Document> CPdfDocument::OpenParser() const
{
    const QFileInfo info(FilePath());
    if (!IsUnchangedOnDisk())
        return nullptr;
    std::unique_ptr<Poppler::Document> parser(Poppler::Document::load(info.filePath(), password, password));
    if (!parser || parser->isLocked() || parser->numPages() != pageCount)
        return nullptr;
    return parser;
}

void CPdfDocument::WithPage(int index, const std::function<void(const Poppler::Page*)>& work) const
{
    QMutexLocker locker(&mutex);
    std::unique_ptr<Poppler::Page> page(index >= 0 && index < pageCount ? document->page(index) : nullptr);
    work(page.get());
}

void CPdfDocument::EditPage(int index, const std::function<void(Poppler::Page*)>& work)
{
    QMutexLocker locker(&mutex);
    std::unique_ptr<Poppler::Page> page(index >= 0 && index < pageCount ? document->page(index) : nullptr);
    work(page.get());
}

void CPdfDocument::WithParser(const std::function<void(Poppler::Document*)>& work) const
{
    QMutexLocker locker(&mutex);
    work(document.get());
}

QVector<PdfOutlineNode> CPdfDocument::Outline() const
{
    QVector<PdfOutlineNode> nodes;
    QMutexLocker locker(&mutex);
    ConvertOutline(document->outline(), &nodes, 0);
    return nodes;
}

namespace {

// The files of a page's file attachment comments, in the page's order.
void ForEachAttachedFile(const Poppler::Page& page, const std::function<void(Poppler::EmbeddedFile*)>& work)
{
    for (Poppler::Annotation* annotation : page.annotations({Poppler::Annotation::AFileAttachment})) {
        std::unique_ptr<Poppler::Annotation> owned(annotation);
        auto* attachment = static_cast<Poppler::FileAttachmentAnnotation*>(annotation);
        if (Poppler::EmbeddedFile* file = attachment->embeddedFile(); file && file->isValid())
            work(file);
    }
}

} // namespace

QList<PdfAttachmentInfo> CPdfDocument::Attachments() const
{
    QMutexLocker locker(&mutex);
    if (attachmentsRead)
        return attachments;
    QList<PdfAttachmentInfo>& result = attachments;
    attachmentsRead = true;
    for (Poppler::EmbeddedFile* file : document->embeddedFiles())
        result.append({file->name(), file->description(), qint64(file->size())});
    for (int index = 0; index < pageCount; ++index) {
        const std::unique_ptr<Poppler::Page> page(document->page(index));
        if (page)
            ForEachAttachedFile(*page, [&](Poppler::EmbeddedFile* file) {
                result.append({file->name(), file->description(), qint64(file->size()), index});
            });
    }
    return result;
}

QByteArray CPdfDocument::AttachmentData(int index, int page) const
{
    QMutexLocker locker(&mutex);
    if (page < 0) {
        const QList<Poppler::EmbeddedFile*> files = document->embeddedFiles();
        if (index < 0 || index >= files.size() || !files.at(index)->isValid())
            return QByteArray();
        return files.at(index)->data();
    }
    // index counts the document's own files and the comments' before this
    // page; the comment is found again on its page.
    int ordinal = document->embeddedFiles().size();
    for (int before = 0; before < page && before < pageCount; ++before) {
        const std::unique_ptr<Poppler::Page> earlier(document->page(before));
        if (earlier)
            ForEachAttachedFile(*earlier, [&](Poppler::EmbeddedFile*) { ++ordinal; });
    }
    QByteArray data;
    const std::unique_ptr<Poppler::Page> shown(page < pageCount ? document->page(page) : nullptr);
    if (shown)
        ForEachAttachedFile(*shown, [&](Poppler::EmbeddedFile* file) {
            if (ordinal++ == index)
                data = file->data();
        });
    return data;
}

PdfProperties CPdfDocument::Properties() const
{
    PdfProperties properties;
    QMutexLocker locker(&mutex);
    properties.title = document->info("Title");
    properties.author = document->info("Author");
    properties.subject = document->info("Subject");
    properties.keywords = document->info("Keywords");
    properties.creator = document->info("Creator");
    properties.producer = document->info("Producer");
    properties.created = document->date("CreationDate");
    properties.modified = document->date("ModDate");
    const Poppler::Document::PdfVersion version = document->getPdfVersion();
    properties.version = QStringLiteral("%1.%2").arg(version.major).arg(version.minor);
    properties.pageCount = pageCount;
    properties.firstPageSize = PageSize(0);
    properties.fileSize = QFileInfo(FilePath()).size();
    properties.encrypted = encrypted;
    return properties;
}
