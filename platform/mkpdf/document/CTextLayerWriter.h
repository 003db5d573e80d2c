#pragma once

#include "CPdfEditor.h"

#include <QByteArray>
#include <QMap>
#include <QString>

// Lays text recognized for pages over those pages of a file: each layer, a
// one-page PDF of invisible text the size of its page, becomes a form drawn
// over the page's own content, so the page looks as before and its text can
// be found, selected and copied. Where it can, the layers are appended to
// the file as an update and everything before stays byte for byte; a
// protected or damaged file is written anew with its protection kept.
class CTextLayerWriter
{
public:
    // layers: by page, from 0. *appended tells whether the target is the
    // source with an update appended.
    static CPdfEditor::WriteResult Write(const PdfSource& source, const QMap<int, QByteArray>& layers,
                                         const QString& target, bool* appended = nullptr, QString* error = nullptr);
    // True when pdf is something a layer can be made of: a readable PDF of
    // one page.
    static bool IsLayer(const QByteArray& pdf);
};
