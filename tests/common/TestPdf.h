#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// Real PDF files for tests, written with the toolkit's PDF writer, and the
// damaged inputs that real users run into.
class TestPdf
{
public:
    // nPages pages of sizePt points; page i shows "<label> i+1" in large
    // black text on white, plus a solid blue block.
    static bool Write(const QString& path, int nPages, const QSizeF& sizePt = QSizeF(595, 842),
                      const QString& label = QStringLiteral("Page"));
    static bool WriteBytes(const QString& path, const QByteArray& bytes);
    // The file's bytes; empty when it cannot be read.
    static QByteArray ReadBytes(const QString& path);
    // A writable copy of source as doc.pdf in a fresh folder of the test's
    // own, for a test that changes the file.
    static QString FreshCopy(const QString& source, const QString& folderName);
    // A copy of source protected with an open password (AES-256); with an
    // owner password of its own, printing, copying and page changes are
    // refused to whoever opens it with the open password.
    static bool WriteEncrypted(const QString& source, const QString& target, const QString& password,
                               const QString& ownerPassword = QString());
    // Every annotation as "page subtype", a link with ">page" it leads to,
    // a widget with "name=value"; then every field of the form as
    // "form name=value" (a name value with its slash, list items joined by
    // commas).
    static QStringList Annotations(const QString& path, const QString& password = QString());
    // The turn of every page, in degrees, as written in the file.
    static QList<int> Rotations(const QString& path, const QString& password = QString());
    // A copy of source with an outline entry "Chapter Two" pointing at page 2,
    // on page 1 a note annotation by "Alice" saying "Hello reviewer", a link
    // to the last page and a text field "name" holding "Ada", and an
    // embedded file of the given name and content.
    static bool WriteRich(const QString& source, const QString& target, const QString& attachmentName,
                          const QByteArray& attachmentData);
    // A copy of source with every page turned clockwise by nDegrees (a
    // multiple of 90) through the page's own rotation entry.
    static bool WriteRotated(const QString& source, const QString& target, int nDegrees);
    // A long A4 manual for benchmarks: a heading and 52 lines of common
    // words on every page, drawings on every tenth, page numbers.
    static bool WriteManual(const QString& path, int nPages);
    // A 300 dpi A4 scan of lines of text (DejaVu Sans, 16 pt): the picture,
    // and where each word's ink is in page points (top left origin).
    static QImage ScanPicture(const QStringList& lines, QList<QRectF>* words = nullptr);
    // That scan as a PDF of pictures only; with bTextFirst a page of real
    // text ("Born digital") before it; with bSideways the picture is stored
    // on its side and the page turned upright by its rotation entry; nScans
    // pages of it.
    static bool WriteScan(const QString& path, const QStringList& lines, bool bTextFirst = false,
                          bool bSideways = false, int nScans = 1);
    // What qpdf finds wrong with the file's structure; empty when nothing.
    static QString StructureProblems(const QString& path, const QString& password = QString());
    // A PDF written by hand: the objects, numbered from 1 (the first the
    // catalog), and their cross-reference table.
    static QByteArray Assemble(const QList<QByteArray>& objects);
    // A stream object with its length.
    static QByteArray Stream(const QByteArray& dictionary, const QByteArray& data);
    // One A4 page, "Page 1", with a square by "Bob" whose own picture is a
    // solid red block and a stamp by "Carol" with a solid blue one:
    // annotations made by another program.
    static QByteArray ForeignPdf();
    // One A4 page with a form: text "name" (at most 10 characters), multi-line
    // "notes", check box "agree", radio group "size" (S, M, L; M by default),
    // combo box "color" (Green by default), multiple-choice list "tags",
    // read-only "id" holding R-1001 and a reset button "reset". With xfa, an
    // XFA form with no fields of its own.
    static QByteArray FormPdf(bool xfa);
    // One A4 page with an empty signature field "Approval" at 300,650 -
    // 500,710 (points, bottom left origin).
    static QByteArray SignatureFieldPdf();
    // A 200 x 200 pt page written by hand, so that every way of placing a
    // picture is there: black text at the top, a 2 x 2 picture drawn through
    // a form with its own matrix, an inline picture, and a blue vector block.
    // Picture areas in top-left page points: form (110,110 60x60), inline
    // (10,140 40x40); blue block (10,80 40x20); text near (10..60, 10..35).
    static QByteArray HandWrittenPage(int nRotate);
    // Centre pixels of the four cells of a 2 x 2 picture at area (points).
    static QList<QPoint> PictureCells(const QRectF& area, double scale);
    // Deterministic bytes that are not a PDF.
    static QByteArray Garbage(int nBytes, quint32 seed);

private:
    static QByteArray OnePage(const QByteArray& annots, const QByteArray& form, const QList<QByteArray>& more);
};
