#pragma once

#include "AnnotationKind.h"

#include <QColor>
#include <QDateTime>
#include <QHash>
#include <QMap>
#include <QStringList>
#include <QObject>
#include <QRectF>
#include <QSet>
#include <QVector>

#include <functional>
#include <memory>

class CPdfDocument;

namespace Poppler {
class Annotation;
class AnnotationAppearance;
class Page;
} // namespace Poppler

// One annotation of a page as the comment tools see it. Geometry is in page
// points with the origin at the top left and the page's turn applied, as
// the view lays pages out.
struct PdfAnnotation : AnnotationKind
{
    int page = -1;
    int index = -1; // among the page's annotations in the order the file lists them
    Kind kind = Other;
    QString subtype; // the file's own word for it: "Highlight", "Square", "Stamp"...
    QRectF rect;
    QColor color;
    double opacity = 1.0;
    double width = 1.0;
    int fontSize = 12;
    QString contents;
    QString author;
    QDateTime modified;
    int flags = 0;
    QString name;
    QVector<QRectF> quads;           // text markup: a box per line
    QVector<QVector<QPointF>> paths; // ink strokes; a line's two ends

    bool IsValid() const { return page >= 0 && index >= 0; }
    bool HasTextMarkupGeometry() const { return kind >= Highlight && kind <= Squiggly; }
    // Whether the points of the annotation follow its box when it moves.
    bool HasPoints() const { return kind == Ink || kind == Line || kind == Arrow; }
    bool IsResizable() const
    {
        return kind == FreeText || kind == Ink || kind == Rectangle || kind == Ellipse || kind == Other;
    }
    // Made by this program (it regenerates their looks freely).
    bool IsOwn() const;
    // The same annotation moved by delta / fitted into a new box.
    PdfAnnotation Translated(const QPointF& delta) const;
    PdfAnnotation Fitted(const QRectF& box) const;
    // Whether the point (page points) touches it, with margin points of slack.
    bool Hits(const QPointF& point, double margin) const;
};

// The comments of one open document, held in memory in the document's own
// parser so that every render shows them, until they are written into the
// file on save. Every change goes through an undo command
// (CAnnotationCommand); this class only carries them out.
//
// An annotation keeps its place in its page's list for the whole session:
// removing one only hides it, and the save drops what is hidden that way.
// So an index stays a valid name for undo and redo.
class CAnnotationStore : public QObject
{
    Q_OBJECT
public:
    using ChangesWriter = std::function<bool(const QString& path, QString* error)>;
    using Appearance = std::shared_ptr<Poppler::AnnotationAppearance>;

    explicit CAnnotationStore(std::shared_ptr<CPdfDocument> document, QObject* parent = nullptr);
    ~CAnnotationStore() override;

    std::shared_ptr<CPdfDocument> Document() const { return document; }
    // False when the document's permissions forbid adding comments.
    bool CanAnnotate() const { return canAnnotate; }

    // The comments shown on a page (links, form fields and hidden ones left
    // out), bottom first.
    QVector<PdfAnnotation> PageAnnotations(int nPage);
    // The same read on any thread, without the cache.
    static QVector<PdfAnnotation> ReadPage(CPdfDocument& document, int nPage);
    // The topmost comment at a point of a page; invalid when none.
    PdfAnnotation AnnotationAt(int nPage, const QPointF& point, double dMargin);
    PdfAnnotation Find(int nPage, int nIndex);

    // For the undo commands. Add returns the new annotation's index, or -1.
    int Add(const PdfAnnotation& annotation);
    // Makes the annotation at state's place look like state; with an
    // appearance, that picture is put back as well.
    bool Apply(const PdfAnnotation& state, const Appearance& appearance);
    bool SetRemoved(int nPage, int nIndex, bool bRemoved, int nFlagsShown);
    Appearance CurrentAppearance(int nPage, int nIndex);
    bool IsRemoved(int nPage, int nIndex) const;

    // Anything changed in memory since the document was opened.
    bool HasChanges() const { return changed; }
    void SetChanged() { changed = true; }
    // Writes the document with all it holds in memory to a file; safe on
    // a worker thread, as it works on copies.
    ChangesWriter Writer() const;
    // Writes source to target with a picture of its own for each of the
    // given comments (page -> names, as CPdfEditor::CommentsWithoutAppearance
    // finds them), drawn as this program shows them: printers and readers
    // that draw only the pictures a file holds would leave them out.
    static bool DrawAppearances(const QString& source, const QString& target, const QByteArray& password,
                                const QMap<int, QStringList>& comments, QString* error = nullptr);

signals:
    void SignalPageChanged(int nPage);

private:
    void Changed(int nPage);
    bool WithAnnotation(int nPage, int nIndex, const std::function<void(Poppler::Annotation*, const QSizeF&)>& work);

    std::shared_ptr<CPdfDocument> document;
    QHash<int, QVector<PdfAnnotation>> cache;
    QSet<QPair<int, int>> removed;
    bool canAnnotate = true;
    bool changed = false;
};
