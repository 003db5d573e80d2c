#pragma once

#include "CAnnotationStore.h"
#include "CEditSession.h"
#include "CFormController.h"
#include "CFormStore.h"
#include "CPdfDocument.h"
#include "MainBox.h"
#include "TestEnv.h"
#include "TestPdf.h"

#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>

// What an edited document holds and what a reader finds in its file, as
// lines a test compares.
namespace FileDigest {

inline const char* const kKinds[]
    = {"Highlight", "Underline", "StrikeOut", "Squiggly", "Note", "FreeText", "Ink", "Rectangle", "Ellipse", "Line", "Arrow", "Other"};

inline QString Pt(const QPointF& p)
{
    return QStringLiteral("%1,%2").arg(qRound(p.x())).arg(qRound(p.y()));
}

inline QString Box(const QRectF& r)
{
    return QStringLiteral("%1 %2x%3").arg(Pt(r.topLeft())).arg(qRound(r.width())).arg(qRound(r.height()));
}

// "x,y,w,h" or "dx,dy" as numbers.
inline QList<double> Numbers(const QString& text)
{
    QList<double> numbers;
    for (const QString& n : text.split(','))
        numbers << n.toDouble();
    return numbers;
}

// A comment as one line: page, kind, colour, where it is, who wrote what.
inline QString NoteLine(const PdfAnnotation& a)
{
    QString where;
    if (a.HasTextMarkupGeometry())
        where = QStringLiteral("quads %1 %2").arg(a.quads.size()).arg(Box(a.quads.value(0)));
    else if (a.HasPoints() && !a.paths.isEmpty())
        where = QStringLiteral("from %1 to %2").arg(Pt(a.paths.first().first()), Pt(a.paths.first().last()));
    else
        where = "at " + Box(a.rect);
    if (a.kind == PdfAnnotation::FreeText)
        where += QStringLiteral(" size %1").arg(a.fontSize);
    return QStringLiteral("note %1 %2/%3 %4 %5 w%6 by %7: %8")
        .arg(a.page + 1)
        .arg(kKinds[a.kind], a.subtype, a.color.name(), where)
        .arg(a.width)
        .arg(a.author, a.contents);
}

// Every filled field as the engine holds it: text, the ticked widget of a
// button (its number among widgets of the same name), the chosen items.
inline QStringList FieldLines(MainBox* box)
{
    QStringList lines;
    QHash<QString, int> widgets;
    for (const PdfFormField& f : box->Forms()->Store()->AllFields()) {
        const int nWidget = widgets[f.name]++;
        QStringList chosen;
        for (int i : f.current)
            chosen << f.choices.value(i);
        const QString value = f.type == PdfFormField::Text                      ? f.text
            : f.type == PdfFormField::CheckBox || f.type == PdfFormField::Radio ? (f.state ? QString::number(nWidget) : QString())
                                                                                : chosen.join(',');
        if (!value.isEmpty())
            lines << QStringLiteral("field %1=%2").arg(f.name, value);
    }
    return lines;
}

// What the open document holds now: comments, fields and page plan.
inline QStringList Live(MainBox* box, bool withPlan = true)
{
    QStringList lines;
    for (int page = 0; page < box->PageCount(); ++page) {
        for (const PdfAnnotation& a : box->Annotations()->PageAnnotations(page))
            lines << NoteLine(a);
    }
    lines += FieldLines(box);
    if (withPlan)
        lines << QString::fromUtf8(QJsonDocument(box->Session()->Plan().ToJson()).toJson(QJsonDocument::Compact));
    return lines;
}

// What a reader finds in the file, line by line under a category word:
// file name, page labels, page turns, outline, attachments, comments (as
// the engine reads them), annotations and form values (as qpdf reads them),
// protection. An empty category says "none".
inline QStringList Digest(const QString& path, const QString& password)
{
    CPdfDocument::LoadStatus status;
    const auto doc = CPdfDocument::Load(path, password.toUtf8(), &status);
    if (!doc)
        return {"unreadable"};
    QStringList lines {"file " + QFileInfo(path).fileName()};
    QStringList labels, turns, outline, attachments, notes;
    for (int i = 0; i < doc->PageCount(); ++i) {
        QStringList words;
        for (const PdfWord& word : doc->PageWords(i))
            words << word.text;
        // The label; a form field's value may follow it.
        labels << words.mid(0, 2).join(' ');
        for (const PdfAnnotation& a : CAnnotationStore::ReadPage(*doc, i))
            notes << NoteLine(a);
    }
    for (int turn : TestPdf::Rotations(path, password))
        turns << QString::number(turn);
    for (const PdfOutlineNode& node : doc->Outline())
        outline << QStringLiteral("outline %1>%2").arg(node.title).arg(node.page + 1);
    for (int i = 0; i < doc->Attachments().size(); ++i)
        attachments << QStringLiteral("attach %1=%2").arg(doc->Attachments().at(i).name, QString(doc->AttachmentData(i)));
    lines << "pages " + labels.join('|') << "turns " + turns.join(' ') << (outline.isEmpty() ? QStringList {"outline none"} : outline) << attachments
          << (notes.isEmpty() ? QStringList {"note none"} : notes);
    for (const QString& line : TestPdf::Annotations(path, password))
        lines << (line.startsWith("form ") ? line : "annot " + line);
    const QString shown = TestEnv::RunChild("qpdf", {"--show-encryption", "--password=" + password, path}).Output();
    for (const QString& line : shown.split('\n', Qt::SkipEmptyParts))
        lines << "crypt " + line.trimmed();
    return lines;
}

// The page as pdftoppm draws it at 72 dpi, so a pixel is a point.
inline QImage Rendered(const QString& path, int nPage)
{
    const QString prefix = QFileInfo(path).absolutePath() + "/render" + QString::number(nPage);
    TestEnv::RunChild("pdftoppm", {"-r", "72", "-f", QString::number(nPage + 1), "-l", QString::number(nPage + 1), "-png", "-singlefile", path, prefix});
    return QImage(prefix + ".png");
}

// Whether some pixel within area has about the given colour, or that
// colour half blended into the white page (a thin line's edge).
inline bool ShowsColor(const QImage& image, const QRectF& area, const QColor& color)
{
    const QRect box = area.toAlignedRect().adjusted(-2, -2, 2, 2).intersected(image.rect());
    const QColor light((color.red() + 255) / 2, (color.green() + 255) / 2, (color.blue() + 255) / 2);
    auto near = [](const QColor& a, const QColor& b) { return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 60; };
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (near(image.pixelColor(x, y), color) || near(image.pixelColor(x, y), light))
                return true;
        }
    }
    return false;
}

} // namespace FileDigest
