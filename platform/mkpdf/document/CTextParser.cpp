#include "CTextParser.h"

#include "CPdfDocument.h"

#include <poppler-qt5.h>
#include <poppler/cpp/poppler-document.h>
#include <poppler/cpp/poppler-page.h>

#include <QFile>

#include <algorithm>

namespace {

bool ShouldAbort(const QVariant& closure)
{
    const auto* flag = reinterpret_cast<const std::atomic<bool>*>(closure.value<quintptr>());
    return flag && flag->load();
}

bool IsRightToLeft(uint ucs4)
{
    const QChar::Direction direction = QChar::direction(ucs4);
    return direction == QChar::DirR || direction == QChar::DirAL;
}

bool IsDigit(uint ucs4)
{
    const QChar::Direction direction = QChar::direction(ucs4);
    return direction == QChar::DirEN || direction == QChar::DirAN;
}

void Reverse(QVector<uint>* codes, QVector<QRectF>* boxes, int nFirst, int nLast)
{
    std::reverse(codes->begin() + nFirst, codes->begin() + nLast + 1);
    std::reverse(boxes->begin() + nFirst, boxes->begin() + nLast + 1);
}

// The parser gives a line's characters from left to right as drawn; a run
// of Hebrew or Arabic reads from right to left, and numbers inside it from
// left to right again.
void ReorderRightToLeft(QVector<uint>* codes, QVector<QRectF>* boxes)
{
    const int size = codes->size();
    int i = 0;
    while (i < size) {
        if (!IsRightToLeft(codes->at(i))) {
            ++i;
            continue;
        }
        int end = i;
        for (int j = i + 1; j < size && QChar::direction(codes->at(j)) != QChar::DirL; ++j) {
            if (IsRightToLeft(codes->at(j)))
                end = j;
        }
        Reverse(codes, boxes, i, end);
        for (int k = i; k <= end; ++k) {
            if (!IsDigit(codes->at(k)))
                continue;
            int last = k;
            while (last + 1 <= end && IsDigit(codes->at(last + 1)))
                ++last;
            Reverse(codes, boxes, k, last);
            k = last;
        }
        i = end + 1;
    }
}

void AppendLine(const QVector<uint>& codes, const QVector<QRectF>& boxes, PdfPageText* out)
{
    if (!out->text.isEmpty()) {
        out->text.append(QLatin1Char('\n'));
        out->boxes.append(QRectF());
    }
    for (int i = 0; i < codes.size(); ++i) {
        const uint code = codes.at(i);
        if (QChar::requiresSurrogates(code)) {
            out->text.append(QChar(QChar::highSurrogate(code)));
            out->text.append(QChar(QChar::lowSurrogate(code)));
            out->boxes.append(boxes.at(i));
        } else {
            out->text.append(QChar(ushort(code)));
        }
        out->boxes.append(boxes.at(i));
    }
}

bool SameLine(const QRectF& a, const QRectF& b)
{
    const double across = qMin(a.bottom(), b.bottom()) - qMax(a.top(), b.top());
    const double along = qMin(a.right(), b.right()) - qMax(a.left(), b.left());
    if (across > 0.5 * qMin(a.height(), b.height()) && along > -qMax(a.height(), b.height()))
        return true;
    // Vertical writing: characters stacked in a column.
    return along > 0.5 * qMin(a.width(), b.width()) && across > -qMax(a.width(), b.width());
}

} // namespace

CTextParser::CTextParser(std::shared_ptr<CPdfDocument> document_, std::shared_ptr<const QByteArray> readingCopy)
    : document(std::move(document_))
    , copy(std::move(readingCopy))
{
}

CTextParser::~CTextParser() = default;

bool CTextParser::Read(int nPage, bool bBoxes, const std::atomic<bool>* abort, PdfPageText* out)
{
    out->text.clear();
    out->boxes.clear();
    if (!document || nPage < 0 || nPage >= document->PageCount())
        return false;
    // Text recognized for the page and not yet saved is the page's text.
    bool read = false;
    if (document->WithTextLayer(nPage, [&](const Poppler::Page& page, const QSizeF& scale) {
            read = Collect(page, bBoxes, abort, out, true);
            for (QRectF& box : out->boxes)
                box = QRectF(box.x() * scale.width(), box.y() * scale.height(), box.width() * scale.width(),
                             box.height() * scale.height());
        }))
        return read;
    if (!bBoxes && ReadPlain(nPage, out))
        return true;
    if (!opened) {
        opened = true;
        if (copy) {
            parser.reset(Poppler::Document::loadFromData(*copy, document->Password(), document->Password()));
            if (parser && (parser->isLocked() || parser->numPages() != document->PageCount()))
                parser.reset();
        }
        if (!parser)
            parser = document->OpenParser();
    }
    if (parser) {
        std::unique_ptr<Poppler::Page> page(parser->page(nPage));
        read = page && Collect(*page, bBoxes, abort, out);
    } else {
        document->WithPage(nPage,
                           [&](const Poppler::Page* page) { read = page && Collect(*page, bBoxes, abort, out); });
    }
    return read;
}

bool CTextParser::ReadPlain(int nPage, PdfPageText* out)
{
    if (!plainOpened) {
        plainOpened = true;
        if (!document->IsUnchangedOnDisk())
            return false;
        const std::string password = document->Password().toStdString();
        // The copy's bytes are not copied again: the parser reads them where
        // they are.
        if (copy)
            plain.reset(poppler::document::load_from_raw_data(copy->constData(), copy->size(), password, password));
        if (!plain || plain->is_locked() || plain->pages() != document->PageCount())
            plain.reset(poppler::document::load_from_file(QFile::encodeName(document->FilePath()).toStdString(),
                                                          password, password));
        if (plain && (plain->is_locked() || plain->pages() != document->PageCount()))
            plain.reset();
    }
    if (!plain)
        return false;
    const std::unique_ptr<poppler::page> page(plain->create_page(nPage));
    if (!page)
        return false;
    const poppler::ustring text = page->text(poppler::rectf(), poppler::page::non_raw_non_physical_layout);
    out->text = QString::fromUtf16(reinterpret_cast<const char16_t*>(text.data()), int(text.size()));
    // The export ends each page with a form feed.
    while (out->text.endsWith(QLatin1Char('\f')) || out->text.endsWith(QLatin1Char('\n')))
        out->text.chop(1);
    return true;
}

bool CTextParser::Collect(const Poppler::Page& page, bool bBoxes, const std::atomic<bool>* abort, PdfPageText* out,
                          bool bRecognized)
{
    // Without boxes the words are not needed one by one: a tenth quicker.
    if (!bBoxes) {
        out->text = page.text(QRectF());
        return true;
    }
    const QList<Poppler::TextBox*> words = abort
        ? page.textList(Poppler::Page::Rotate0, ShouldAbort, QVariant::fromValue(quintptr(abort)))
        : page.textList();
    if (abort && abort->load()) {
        qDeleteAll(words);
        return false;
    }
    out->text.reserve(words.size() * 7);
    out->boxes.reserve(words.size() * 7);
    QVector<uint> codes;
    QVector<QRectF> boxes;
    for (const Poppler::TextBox* word : words) {
        const QString text = word->text();
        const QRectF whole = word->boundingBox();
        int index = 0;
        for (int u = 0; u < text.size(); ++u, ++index) {
            uint code = text.at(u).unicode();
            if (text.at(u).isHighSurrogate() && u + 1 < text.size()) {
                code = QChar::surrogateToUcs4(text.at(u), text.at(u + 1));
                ++u;
            }
            codes.append(code);
            // A word whose characters have no boxes of their own is marked
            // as a whole.
            const QRectF box = word->charBoundingBox(index);
            boxes.append(box.isNull() ? whole : box);
        }
        if (!word->nextWord()) {
            ReorderRightToLeft(&codes, &boxes);
            AppendLine(codes, boxes, out);
            codes.resize(0);
            boxes.resize(0);
        } else if (word->hasSpaceAfter() || bRecognized) {
            codes.append(' ');
            boxes.append(QRectF());
        }
    }
    if (!codes.isEmpty()) {
        ReorderRightToLeft(&codes, &boxes);
        AppendLine(codes, boxes, out);
    }
    qDeleteAll(words);
    return true;
}

QVector<QRectF> CTextParser::Rects(const PdfPageText& page, int nStart, int nLength)
{
    QVector<QRectF> rects;
    QRectF run;
    const int end = qMin(nStart + nLength, page.boxes.size());
    for (int i = qMax(0, nStart); i < end; ++i) {
        const QRectF& box = page.boxes.at(i);
        if (box.isNull())
            continue;
        if (run.isNull()) {
            run = box;
        } else if (SameLine(run, box)) {
            run = run.united(box);
        } else {
            rects.append(run);
            run = box;
        }
    }
    if (!run.isNull())
        rects.append(run);
    return rects;
}
