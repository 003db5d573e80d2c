#pragma once

#include <QRectF>
#include <QString>
#include <QVector>

#include <atomic>
#include <memory>

class CPdfDocument;

namespace Poppler {
class Document;
class Page;
} // namespace Poppler
namespace poppler {
class document;
} // namespace poppler

// A page's text as a reader meets it: words in reading order, a space
// between words, a line feed at each line end, right-to-left runs in logical
// order. boxes[i] (when read) is where character i is drawn, in page points
// with the page's rotation applied; the separators added have none. Text
// read without boxes comes from the parser's own plain-text export, which is
// quicker but may place spaces and lines a little differently (and joins a
// word broken at a line's end).
struct PdfPageText
{
    QString text;
    QVector<QRectF> boxes;
};

// Reads the text of a document's pages with a parser of its own, so that
// searching runs beside rendering, or with the document's parser when the
// file changed since it was opened. Given a reading copy of the file
// (CReadingCopy), which must outlive it, it reads from there. One thread at
// a time per reader.
class CTextParser
{
public:
    explicit CTextParser(std::shared_ptr<CPdfDocument> document,
                         std::shared_ptr<const QByteArray> readingCopy = nullptr);
    ~CTextParser();

    // False when the page cannot be read, or when *abort turned true
    // meanwhile (the page is then left half read); a page read without
    // boxes is read whole.
    bool Read(int nPage, bool bBoxes, const std::atomic<bool>* abort, PdfPageText* out);
    bool ReadsCopy() const { return copy != nullptr; }

    // Rectangles covering characters [nStart, nStart + nLength) of a page
    // read with boxes: one for each run of characters on a line.
    static QVector<QRectF> Rects(const PdfPageText& page, int nStart, int nLength);

private:
    bool ReadPlain(int nPage, PdfPageText* out);
    // Recognized text comes in words: one line's words are always apart.
    static bool Collect(const Poppler::Page& page, bool bBoxes, const std::atomic<bool>* abort, PdfPageText* out,
                        bool bRecognized = false);

    std::shared_ptr<CPdfDocument> document;
    std::shared_ptr<const QByteArray> copy;
    std::unique_ptr<Poppler::Document> parser;
    bool opened = false;
    // Plain text goes through the parser's plain interface, which reads a
    // page without copying the file's cross-reference table first.
    std::unique_ptr<poppler::document> plain;
    bool plainOpened = false;
};
