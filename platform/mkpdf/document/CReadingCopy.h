#pragma once

#include <QByteArray>
#include <QString>

// A copy of a PDF file in memory that reads its text faster than the file.
// The parser decompresses a font's embedded program again on every page that
// uses the font, to learn the font's own encoding: in a typeset book that is
// most of the time spent reading text. The copy is the file with those
// programs appended uncompressed as an incremental update, so the parser
// finds them ready and reads exactly the same text.
class CReadingCopy
{
public:
    // The whole file is held in memory while pages are read from the copy.
    static constexpr qint64 kMostFileBytes = 128 * 1024 * 1024;
    static constexpr qint64 kMostFontBytes = 64 * 1024 * 1024;

    // Empty when a copy would gain nothing (no compressed font programs) or
    // cannot be made: the file is unreadable, encrypted, damaged or larger
    // than kMostFileBytes.
    static QByteArray Make(const QString& path);
};
