#include "CPdfDocument.h"

#include <QFile>
#include <QFileInfo>

#include <poppler-qt5.h>

CPdfDocument::~CPdfDocument()
{
    QMutexLocker locker(&mutex);
    document.reset();
}

namespace {

// The parser reports every oddity of a damaged file; the open result already
// says what the user needs to know.
void IgnoreParserMessage(const QString& message, const QVariant& closure)
{
    Q_UNUSED(message);
    Q_UNUSED(closure);
}

} // namespace

std::shared_ptr<CPdfDocument> CPdfDocument::Load(const QString& path, const QByteArray& password,
                                                 LoadStatus* status)
{
    auto fail = [status](LoadStatus value) {
        if (status)
            *status = value;
        return std::shared_ptr<CPdfDocument>();
    };

    const QFileInfo info(path);
    if (!info.exists())
        return fail(Missing);
    if (!info.isFile() || !info.isReadable())
        return fail(Unreadable);
    {
        QFile probe(path);
        if (!probe.open(QIODevice::ReadOnly))
            return fail(Unreadable);
        if (probe.size() == 0)
            return fail(Damaged);
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

    std::shared_ptr<CPdfDocument> result(new CPdfDocument);
    result->path = info.absoluteFilePath();
    result->encrypted = encrypted;
    result->pageSizes.reserve(count);
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<Poppler::Page> page(doc->page(i));
        QSizeF size = page ? page->pageSizeF() : QSizeF();
        if (!size.isValid() || size.isEmpty())
            size = QSizeF(612, 792);
        result->pageSizes.append(size);
        result->maxSize = result->maxSize.expandedTo(size);
    }
    doc->setRenderHint(Poppler::Document::Antialiasing, true);
    doc->setRenderHint(Poppler::Document::TextAntialiasing, true);
    doc->setRenderHint(Poppler::Document::TextHinting, true);
    doc->setRenderHint(Poppler::Document::ThinLineSolid, true);
    result->document = std::move(doc);
    if (status)
        *status = Loaded;
    return result;
}

QSizeF CPdfDocument::PageSize(int index) const
{
    if (index < 0 || index >= pageSizes.size())
        return QSizeF();
    return pageSizes.at(index);
}

QImage CPdfDocument::RenderPage(int index, double scale) const
{
    if (index < 0 || index >= pageSizes.size() || scale <= 0)
        return QImage();
    QMutexLocker locker(&mutex);
    if (!document)
        return QImage();
    std::unique_ptr<Poppler::Page> page(document->page(index));
    if (!page)
        return QImage();
    const double dpi = 72.0 * scale;
    return page->renderToImage(dpi, dpi);
}
