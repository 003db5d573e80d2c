#pragma once

#include <memory>

class CPdfDocument;
class QPrinter;
class QWidget;

// Prints pages of a document on a printer (or into a PDF file), each page
// rendered at the printer's resolution and fitted to the paper.
class CPdfPrinter
{
public:
    // nFrom and nTo are zero-based and inclusive; -1 means the first or last
    // page. With a parent, a progress window lets the user cancel. Returns
    // false when nothing could be printed or the user cancelled.
    static bool Print(const std::shared_ptr<CPdfDocument>& document, QPrinter* printer, int nFrom, int nTo,
                      QWidget* parent = nullptr);
};
