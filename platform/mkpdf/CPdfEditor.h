#pragma once

#include <QSizeF>
#include <QString>

// Structural PDF writing. Every write goes to a temporary file first, so a
// failure never leaves a damaged target behind.
class CPdfEditor
{
public:
    // Writes nPages empty pages of sizePt points. On failure returns false
    // and describes the problem in *error.
    static bool WriteBlankDocument(const QString& path, const QSizeF& sizePt, int nPages,
                                   QString* error = nullptr);
};
