#include "CAnnotationStore.h"

#include "CPdfDocument.h"

#include <QFile>
#include <QLineF>
#include <QMap>
#include <QUuid>

#include <poppler-annotation.h>
#include <poppler-qt5.h>

// The parser's interface hands point lists over in Qt's old linked list.
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

namespace {

// The unique name of every annotation made here starts so.
const char kOwnPrefix[] = "rvpdf-";

QRectF ToPoints(const QRectF& normal, const QSizeF& size)
{
    return QRectF(normal.x() * size.width(), normal.y() * size.height(), normal.width() * size.width(),
                  normal.height() * size.height());
}

QRectF ToNormal(const QRectF& points, const QSizeF& size)
{
    return QRectF(points.x() / size.width(), points.y() / size.height(), points.width() / size.width(),
                  points.height() / size.height());
}

QPointF ToPoints(const QPointF& normal, const QSizeF& size)
{
    return QPointF(normal.x() * size.width(), normal.y() * size.height());
}

QPointF ToNormal(const QPointF& points, const QSizeF& size)
{
    return QPointF(points.x() / size.width(), points.y() / size.height());
}

bool IsArrowEnd(Poppler::LineAnnotation::TermStyle style)
{
    return style == Poppler::LineAnnotation::OpenArrow || style == Poppler::LineAnnotation::ClosedArrow
        || style == Poppler::LineAnnotation::ROpenArrow || style == Poppler::LineAnnotation::RClosedArrow;
}

QString SubtypeName(Poppler::Annotation::SubType type)
{
    switch (type) {
    case Poppler::Annotation::AText:
        return QStringLiteral("Text");
    case Poppler::Annotation::ALine:
        return QStringLiteral("Line");
    case Poppler::Annotation::AGeom:
        return QStringLiteral("Square");
    case Poppler::Annotation::AHighlight:
        return QStringLiteral("Highlight");
    case Poppler::Annotation::AStamp:
        return QStringLiteral("Stamp");
    case Poppler::Annotation::AInk:
        return QStringLiteral("Ink");
    case Poppler::Annotation::ALink:
        return QStringLiteral("Link");
    case Poppler::Annotation::ACaret:
        return QStringLiteral("Caret");
    case Poppler::Annotation::AFileAttachment:
        return QStringLiteral("FileAttachment");
    case Poppler::Annotation::ASound:
        return QStringLiteral("Sound");
    case Poppler::Annotation::AMovie:
        return QStringLiteral("Movie");
    case Poppler::Annotation::AScreen:
        return QStringLiteral("Screen");
    case Poppler::Annotation::AWidget:
        return QStringLiteral("Widget");
    case Poppler::Annotation::ARichMedia:
        return QStringLiteral("RichMedia");
    default:
        return QStringLiteral("Annotation");
    }
}

PdfAnnotation Convert(const Poppler::Annotation* annotation, const QSizeF& size, int nPage, int nIndex)
{
    PdfAnnotation out;
    out.page = nPage;
    out.index = nIndex;
    out.subtype = SubtypeName(annotation->subType());
    out.rect = ToPoints(annotation->boundary(), size);
    const Poppler::Annotation::Style style = annotation->style();
    out.color = style.color();
    out.opacity = style.opacity();
    out.width = style.width();
    out.contents = annotation->contents();
    out.author = annotation->author();
    out.modified = annotation->modificationDate();
    out.flags = annotation->flags();
    out.name = annotation->uniqueName();
    switch (annotation->subType()) {
    case Poppler::Annotation::AHighlight: {
        const auto* markup = static_cast<const Poppler::HighlightAnnotation*>(annotation);
        switch (markup->highlightType()) {
        case Poppler::HighlightAnnotation::Highlight:
            out.kind = PdfAnnotation::Highlight;
            break;
        case Poppler::HighlightAnnotation::Underline:
            out.kind = PdfAnnotation::Underline;
            out.subtype = "Underline";
            break;
        case Poppler::HighlightAnnotation::StrikeOut:
            out.kind = PdfAnnotation::StrikeOut;
            out.subtype = "StrikeOut";
            break;
        case Poppler::HighlightAnnotation::Squiggly:
            out.kind = PdfAnnotation::Squiggly;
            out.subtype = "Squiggly";
            break;
        }
        for (const Poppler::HighlightAnnotation::Quad& quad : markup->highlightQuads()) {
            const QPointF first = ToPoints(quad.points[0], size);
            double left = first.x(), right = left, top = first.y(), bottom = top;
            for (const QPointF& normal : quad.points) {
                const QPointF point = ToPoints(normal, size);
                left = qMin(left, point.x());
                right = qMax(right, point.x());
                top = qMin(top, point.y());
                bottom = qMax(bottom, point.y());
            }
            out.quads.append(QRectF(QPointF(left, top), QPointF(right, bottom)));
        }
        break;
    }
    case Poppler::Annotation::AText: {
        const auto* text = static_cast<const Poppler::TextAnnotation*>(annotation);
        if (text->textType() == Poppler::TextAnnotation::InPlace) {
            out.kind = PdfAnnotation::FreeText;
            out.subtype = QStringLiteral("FreeText");
            out.fontSize = qRound(text->textFont().pointSizeF());
            if (text->textColor().isValid())
                out.color = text->textColor();
        } else {
            out.kind = PdfAnnotation::Note;
        }
        break;
    }
    case Poppler::Annotation::AInk: {
        out.kind = PdfAnnotation::Ink;
        for (const QLinkedList<QPointF>& path : static_cast<const Poppler::InkAnnotation*>(annotation)->inkPaths()) {
            QVector<QPointF> points;
            for (const QPointF& point : path)
                points.append(ToPoints(point, size));
            out.paths.append(points);
        }
        break;
    }
    case Poppler::Annotation::AGeom: {
        const auto* geom = static_cast<const Poppler::GeomAnnotation*>(annotation);
        const bool circle = geom->geomType() == Poppler::GeomAnnotation::InscribedCircle;
        out.kind = circle ? PdfAnnotation::Ellipse : PdfAnnotation::Rectangle;
        out.subtype = circle ? QStringLiteral("Circle") : QStringLiteral("Square");
        break;
    }
    case Poppler::Annotation::ALine: {
        const auto* line = static_cast<const Poppler::LineAnnotation*>(annotation);
        QVector<QPointF> points;
        for (const QPointF& point : line->linePoints())
            points.append(ToPoints(point, size));
        out.paths.append(points);
        if (line->lineType() == Poppler::LineAnnotation::StraightLine && points.size() == 2) {
            out.kind = IsArrowEnd(line->lineStartStyle()) || IsArrowEnd(line->lineEndStyle()) ? PdfAnnotation::Arrow
                                                                                              : PdfAnnotation::Line;
        } else {
            out.subtype = line->isLineClosed() ? QStringLiteral("Polygon") : QStringLiteral("PolyLine");
        }
        break;
    }
    default:
        break;
    }
    return out;
}

QLinkedList<QPointF> NormalPath(const QVector<QPointF>& points, const QSizeF& size)
{
    QLinkedList<QPointF> path;
    for (const QPointF& point : points)
        path.append(ToNormal(point, size));
    return path;
}

bool HasWidth(PdfAnnotation::Kind kind)
{
    return kind == PdfAnnotation::Ink || kind == PdfAnnotation::Rectangle || kind == PdfAnnotation::Ellipse
        || kind == PdfAnnotation::Line || kind == PdfAnnotation::Arrow;
}

// Writes the properties of state that differ from current (all of them
// without current) into the parser's annotation. Unchanged properties are
// left alone: setting one makes the parser draw the annotation anew, and
// the picture another program made for it would be lost.
void Configure(Poppler::Annotation* annotation, const PdfAnnotation& state, const PdfAnnotation* current,
               const QSizeF& size)
{
    const bool geometry
        = !current || current->rect != state.rect || current->quads != state.quads || current->paths != state.paths;
    if (geometry) {
        switch (annotation->subType()) {
        case Poppler::Annotation::AHighlight: {
            QList<Poppler::HighlightAnnotation::Quad> quads;
            for (const QRectF& box : state.quads) {
                const QRectF n = ToNormal(box, size);
                Poppler::HighlightAnnotation::Quad quad;
                quad.points[0] = n.topLeft();
                quad.points[1] = n.topRight();
                quad.points[2] = n.bottomRight();
                quad.points[3] = n.bottomLeft();
                quad.capStart = false;
                quad.capEnd = false;
                quad.feather = 0.0;
                quads.append(quad);
            }
            static_cast<Poppler::HighlightAnnotation*>(annotation)->setHighlightQuads(quads);
            break;
        }
        case Poppler::Annotation::AInk: {
            QList<QLinkedList<QPointF>> paths;
            for (const QVector<QPointF>& points : state.paths)
                paths.append(NormalPath(points, size));
            static_cast<Poppler::InkAnnotation*>(annotation)->setInkPaths(paths);
            break;
        }
        case Poppler::Annotation::ALine:
            if (!state.paths.isEmpty())
                static_cast<Poppler::LineAnnotation*>(annotation)->setLinePoints(NormalPath(state.paths.first(), size));
            break;
        default:
            break;
        }
        annotation->setBoundary(ToNormal(state.rect, size));
    }
    const bool freeText = state.kind == PdfAnnotation::FreeText;
    if (!current || (!freeText && current->color != state.color) || !qFuzzyCompare(current->opacity, state.opacity)
        || (HasWidth(state.kind) && !qFuzzyCompare(current->width, state.width))) {
        Poppler::Annotation::Style style = annotation->style();
        if (!freeText)
            style.setColor(state.color);
        style.setOpacity(state.opacity);
        if (HasWidth(state.kind))
            style.setWidth(state.width);
        else if (freeText && !current)
            style.setWidth(0); // a text box without a frame
        annotation->setStyle(style);
    }
    if (freeText) {
        auto* text = static_cast<Poppler::TextAnnotation*>(annotation);
        if (!current || current->color != state.color)
            text->setTextColor(state.color);
        if (!current || current->fontSize != state.fontSize) {
            // A text box not yet on its page has no font to read.
            QFont font = current ? text->textFont() : QFont();
            font.setPointSizeF(state.fontSize);
            text->setTextFont(font);
        }
    }
    if (!current || current->contents != state.contents)
        annotation->setContents(state.contents);
    if (!current || current->author != state.author)
        annotation->setAuthor(state.author);
    if (!current || current->flags != state.flags)
        annotation->setFlags(state.flags);
    if (state.modified.isValid() && (!current || current->modified != state.modified))
        annotation->setModificationDate(state.modified);
}

Poppler::Annotation* Create(const PdfAnnotation& state)
{
    switch (state.kind) {
    case PdfAnnotation::Highlight:
    case PdfAnnotation::Underline:
    case PdfAnnotation::StrikeOut:
    case PdfAnnotation::Squiggly: {
        auto* markup = new Poppler::HighlightAnnotation;
        const Poppler::HighlightAnnotation::HighlightType types[]
            = {Poppler::HighlightAnnotation::Highlight, Poppler::HighlightAnnotation::Underline,
               Poppler::HighlightAnnotation::StrikeOut, Poppler::HighlightAnnotation::Squiggly};
        markup->setHighlightType(types[state.kind - PdfAnnotation::Highlight]);
        return markup;
    }
    case PdfAnnotation::Note: {
        auto* note = new Poppler::TextAnnotation(Poppler::TextAnnotation::Linked);
        note->setTextIcon(QStringLiteral("Comment"));
        return note;
    }
    case PdfAnnotation::FreeText:
        return new Poppler::TextAnnotation(Poppler::TextAnnotation::InPlace);
    case PdfAnnotation::Ink:
        return new Poppler::InkAnnotation;
    case PdfAnnotation::Rectangle:
    case PdfAnnotation::Ellipse: {
        auto* geom = new Poppler::GeomAnnotation;
        geom->setGeomType(state.kind == PdfAnnotation::Ellipse ? Poppler::GeomAnnotation::InscribedCircle
                                                               : Poppler::GeomAnnotation::InscribedSquare);
        return geom;
    }
    case PdfAnnotation::Line:
    case PdfAnnotation::Arrow: {
        auto* line = new Poppler::LineAnnotation(Poppler::LineAnnotation::StraightLine);
        line->setLineStartStyle(Poppler::LineAnnotation::None);
        line->setLineEndStyle(state.kind == PdfAnnotation::Arrow ? Poppler::LineAnnotation::OpenArrow
                                                                 : Poppler::LineAnnotation::None);
        return line;
    }
    case PdfAnnotation::None:
    case PdfAnnotation::Eraser:
    case PdfAnnotation::Other:
        break;
    }
    return nullptr;
}

// The writer does not notice a disk that refuses data: a file that does
// not end as a PDF ends was cut short.
bool WrittenWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        return false;
    file.seek(qMax<qint64>(0, file.size() - 32));
    return file.readAll().trimmed().endsWith("%%EOF");
}

// The parser's document with what it holds in memory, as a new file.
bool WriteWithChanges(Poppler::Document* parser, const QString& target, QString* error)
{
    std::unique_ptr<Poppler::PDFConverter> converter(parser->pdfConverter());
    converter->setOutputFileName(target);
    converter->setPDFOptions(Poppler::PDFConverter::WithChanges);
    if (converter->convert() && WrittenWhole(target))
        return true;
    if (error)
        *error = QStringLiteral("the PDF writer failed with code %1").arg(int(converter->lastError()));
    return false;
}

bool ReadsBack(const QString& path, const QByteArray& password, int nPages)
{
    std::unique_ptr<Poppler::Document> check(Poppler::Document::load(path, password, password));
    return check && !check->isLocked() && check->numPages() == nPages;
}

double SegmentDistance(const QPointF& point, const QPointF& a, const QPointF& b)
{
    const QPointF d = b - a;
    const double length = d.x() * d.x() + d.y() * d.y();
    double t = length > 0 ? ((point.x() - a.x()) * d.x() + (point.y() - a.y()) * d.y()) / length : 0.0;
    t = qBound(0.0, t, 1.0);
    return QLineF(point, a + d * t).length();
}

} // namespace

// --- PdfAnnotation -------------------------------------------------------------

bool PdfAnnotation::IsOwn() const
{
    return name.startsWith(QLatin1String(kOwnPrefix));
}

PdfAnnotation PdfAnnotation::Translated(const QPointF& delta) const
{
    PdfAnnotation moved = *this;
    moved.rect.translate(delta);
    for (QRectF& quad : moved.quads)
        quad.translate(delta);
    for (QVector<QPointF>& path : moved.paths) {
        for (QPointF& point : path)
            point += delta;
    }
    return moved;
}

PdfAnnotation PdfAnnotation::Fitted(const QRectF& box) const
{
    PdfAnnotation fitted = *this;
    const QRectF from = rect;
    const double sx = from.width() > 0 ? box.width() / from.width() : 1.0;
    const double sy = from.height() > 0 ? box.height() / from.height() : 1.0;
    auto map = [&](const QPointF& point) {
        return QPointF(box.x() + (point.x() - from.x()) * sx, box.y() + (point.y() - from.y()) * sy);
    };
    fitted.rect = box;
    for (QRectF& quad : fitted.quads)
        quad = QRectF(map(quad.topLeft()), map(quad.bottomRight()));
    for (QVector<QPointF>& path : fitted.paths) {
        for (QPointF& point : path)
            point = map(point);
    }
    return fitted;
}

bool PdfAnnotation::Hits(const QPointF& point, double margin) const
{
    if (HasTextMarkupGeometry() && !quads.isEmpty()) {
        for (const QRectF& quad : quads) {
            if (quad.adjusted(-margin, -margin, margin, margin).contains(point))
                return true;
        }
        return false;
    }
    if (HasPoints() && !paths.isEmpty()) {
        const double reach = width / 2 + margin;
        for (const QVector<QPointF>& path : paths) {
            if (path.size() == 1 && QLineF(point, path.first()).length() <= reach)
                return true;
            for (int i = 1; i < path.size(); ++i) {
                if (SegmentDistance(point, path.at(i - 1), path.at(i)) <= reach)
                    return true;
            }
        }
        return false;
    }
    return rect.adjusted(-margin, -margin, margin, margin).contains(point);
}

// --- CAnnotationStore ----------------------------------------------------------

CAnnotationStore::CAnnotationStore(std::shared_ptr<CPdfDocument> document_, QObject* parent)
    : QObject(parent)
    , document(std::move(document_))
{
    document->WithParser([this](Poppler::Document* parser) { canAnnotate = parser && parser->okToAddNotes(); });
}

CAnnotationStore::~CAnnotationStore() = default;

QVector<PdfAnnotation> CAnnotationStore::ReadPage(CPdfDocument& doc, int nPage)
{
    QVector<PdfAnnotation> result;
    doc.EditPage(nPage, [&result, nPage](Poppler::Page* page) {
        if (!page)
            return;
        const QSizeF size = page->pageSizeF();
        if (size.isEmpty())
            return;
        const QList<Poppler::Annotation*> list = page->annotations();
        for (int i = 0; i < list.size(); ++i) {
            const Poppler::Annotation* annotation = list.at(i);
            // Links and form fields are part of the page, not comments.
            const Poppler::Annotation::SubType type = annotation->subType();
            if (type == Poppler::Annotation::ALink || type == Poppler::Annotation::AWidget
                || (annotation->flags() & Poppler::Annotation::Hidden))
                continue;
            result.append(Convert(annotation, size, nPage, i));
        }
        qDeleteAll(list);
    });
    return result;
}

QVector<PdfAnnotation> CAnnotationStore::PageAnnotations(int nPage)
{
    auto it = cache.constFind(nPage);
    if (it != cache.constEnd())
        return *it;
    const QVector<PdfAnnotation> list = ReadPage(*document, nPage);
    cache.insert(nPage, list);
    return list;
}

PdfAnnotation CAnnotationStore::AnnotationAt(int nPage, const QPointF& point, double dMargin)
{
    const QVector<PdfAnnotation> list = PageAnnotations(nPage);
    for (int i = list.size() - 1; i >= 0; --i) {
        if (list.at(i).Hits(point, dMargin))
            return list.at(i);
    }
    return PdfAnnotation();
}

PdfAnnotation CAnnotationStore::Find(int nPage, int nIndex)
{
    for (const PdfAnnotation& annotation : PageAnnotations(nPage)) {
        if (annotation.index == nIndex)
            return annotation;
    }
    return PdfAnnotation();
}

bool CAnnotationStore::WithAnnotation(int nPage, int nIndex,
                                      const std::function<void(Poppler::Annotation*, const QSizeF&)>& work)
{
    bool found = false;
    document->EditPage(nPage, [&](Poppler::Page* page) {
        if (!page)
            return;
        const QList<Poppler::Annotation*> list = page->annotations();
        if (nIndex >= 0 && nIndex < list.size() && !page->pageSizeF().isEmpty()) {
            work(list.at(nIndex), page->pageSizeF());
            found = true;
        }
        qDeleteAll(list);
    });
    return found;
}

void CAnnotationStore::Changed(int nPage)
{
    cache.remove(nPage);
    changed = true;
    emit SignalPageChanged(nPage);
}

int CAnnotationStore::Add(const PdfAnnotation& annotation)
{
    std::unique_ptr<Poppler::Annotation> made(Create(annotation));
    if (!made || annotation.page < 0)
        return -1;
    const QString name = QLatin1String(kOwnPrefix) + QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QDateTime now = QDateTime::currentDateTime();
    int index = -1;
    document->EditPage(annotation.page, [&](Poppler::Page* page) {
        if (!page || page->pageSizeF().isEmpty())
            return;
        Configure(made.get(), annotation, nullptr, page->pageSizeF());
        made->setUniqueName(name);
        made->setCreationDate(now);
        if (!annotation.modified.isValid())
            made->setModificationDate(now);
        page->addAnnotation(made.get());
        const QList<Poppler::Annotation*> list = page->annotations();
        for (int i = 0; i < list.size(); ++i) {
            if (list.at(i)->uniqueName() == name)
                index = i;
        }
        qDeleteAll(list);
    });
    if (index >= 0)
        Changed(annotation.page);
    return index;
}

bool CAnnotationStore::Apply(const PdfAnnotation& state, const Appearance& appearance)
{
    const bool found
        = WithAnnotation(state.page, state.index, [&](Poppler::Annotation* annotation, const QSizeF& size) {
              const PdfAnnotation current = Convert(annotation, size, state.page, state.index);
              Configure(annotation, state, &current, size);
              if (appearance)
                  annotation->setAnnotationAppearance(*appearance);
          });
    if (found)
        Changed(state.page);
    return found;
}

bool CAnnotationStore::SetRemoved(int nPage, int nIndex, bool bRemoved, int nFlagsShown)
{
    const bool found = WithAnnotation(nPage, nIndex, [&](Poppler::Annotation* annotation, const QSizeF&) {
        annotation->setFlags(bRemoved ? (nFlagsShown | Poppler::Annotation::Hidden) : nFlagsShown);
    });
    if (!found)
        return false;
    if (bRemoved)
        removed.insert({nPage, nIndex});
    else
        removed.remove({nPage, nIndex});
    Changed(nPage);
    return true;
}

CAnnotationStore::Appearance CAnnotationStore::CurrentAppearance(int nPage, int nIndex)
{
    Appearance appearance;
    WithAnnotation(nPage, nIndex, [&appearance](Poppler::Annotation* annotation, const QSizeF&) {
        appearance = Appearance(annotation->annotationAppearance().release());
    });
    return appearance;
}

bool CAnnotationStore::IsRemoved(int nPage, int nIndex) const
{
    return removed.contains({nPage, nIndex});
}

CAnnotationStore::ChangesWriter CAnnotationStore::Writer() const
{
    QMap<int, QList<int>> gone;
    for (const QPair<int, int>& place : removed)
        gone[place.first].append(place.second);
    const std::shared_ptr<CPdfDocument> doc = document;
    return [doc, gone](const QString& path, QString* error) {
        bool written = false;
        doc->WithParser([&](Poppler::Document* parser) { written = parser && WriteWithChanges(parser, path, error); });
        if (written && !ReadsBack(path, doc->Password(), doc->PageCount())) {
            if (error)
                *error = QStringLiteral("the written changes could not be read back");
            return false;
        }
        if (!written || gone.isEmpty())
            return written;
        // What was removed is only hidden in the open document; a second
        // parser on the copy drops it for good.
        const QByteArray password = doc->Password();
        std::unique_ptr<Poppler::Document> copy(Poppler::Document::load(path, password, password));
        if (!copy || copy->isLocked()) {
            if (error)
                *error = QStringLiteral("the written changes could not be read back");
            return false;
        }
        for (auto it = gone.constBegin(); it != gone.constEnd(); ++it) {
            std::unique_ptr<Poppler::Page> page(copy->page(it.key()));
            if (!page)
                continue;
            QList<Poppler::Annotation*> list = page->annotations();
            for (int index : it.value()) {
                if (index >= 0 && index < list.size() && list.at(index)) {
                    page->removeAnnotation(list.at(index));
                    list[index] = nullptr;
                }
            }
            qDeleteAll(list);
        }
        const QString second = path + QStringLiteral(".pass2");
        if (!WriteWithChanges(copy.get(), second, error))
            return false;
        copy.reset();
        if (!ReadsBack(second, password, doc->PageCount())) {
            if (error)
                *error = QStringLiteral("the written changes could not be read back");
            return false;
        }
        QFile::remove(path);
        if (!QFile::rename(second, path)) {
            if (error)
                *error = QStringLiteral("the written changes could not be moved into place");
            return false;
        }
        return true;
    };
}

bool CAnnotationStore::DrawAppearances(const QString& source, const QString& target, const QByteArray& password,
                                       const QMap<int, QStringList>& comments, QString* error)
{
    std::unique_ptr<Poppler::Document> parser(Poppler::Document::load(source, password, password));
    if (!parser || parser->isLocked()) {
        if (error)
            *error = QStringLiteral("the file could not be read");
        return false;
    }
    for (auto it = comments.constBegin(); it != comments.constEnd(); ++it) {
        std::unique_ptr<Poppler::Page> page(parser->page(it.key()));
        if (!page)
            continue;
        // Drawing the page makes the pictures the file lacks; set again,
        // each is written with its comment.
        page->renderToImage(1, 1);
        const QList<Poppler::Annotation*> list = page->annotations();
        for (Poppler::Annotation* annotation : list) {
            if (it.value().contains(annotation->uniqueName()))
                annotation->setAnnotationAppearance(*annotation->annotationAppearance());
        }
        qDeleteAll(list);
    }
    return WriteWithChanges(parser.get(), target, error) && ReadsBack(target, password, parser->numPages());
}

QT_WARNING_POP
