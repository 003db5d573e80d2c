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

// A page's text as a reader meets it: words in reading order, a space
// between words, a line feed at each line end, right-to-left runs in logical
// order. boxes[i] (when read) is where character i is drawn, in page points
// with the page's rotation applied; the separators added have none. Text
// read without boxes comes from the parser's own plain-text export, which is
// quicker but may place spaces and lines a little differently.
struct PdfPageText
{
    QString text;
    QVector<QRectF> boxes;
};

// Reads the text of a document's pages with a parser of its own, so that
// searching runs beside rendering, or with the document's parser when the
// file changed since it was opened. One thread at a time per reader.
class CTextParser
{
public:
    explicit CTextParser(std::shared_ptr<CPdfDocument> document);
    ~CTextParser();

    // False when the page cannot be read, or when *abort turned true
    // meanwhile (the page is then left half read); a page read without
    // boxes is read whole.
    bool Read(int nPage, bool bBoxes, const std::atomic<bool>* abort, PdfPageText* out);

    // Rectangles covering characters [nStart, nStart + nLength) of a page
    // read with boxes: one for each run of characters on a line.
    static QVector<QRectF> Rects(const PdfPageText& page, int nStart, int nLength);

private:
    // Recognized text comes in words: one line's words are always apart.
    static bool Collect(const Poppler::Page& page, bool bBoxes, const std::atomic<bool>* abort, PdfPageText* out,
                        bool bRecognized = false);

    std::shared_ptr<CPdfDocument> document;
    std::unique_ptr<Poppler::Document> parser;
    bool opened = false;
};
