#pragma once

#include <QString>

class CPdfDocument;
class QWidget;

// What the document box does with its file on the user's behalf: rename it,
// save an attachment out of it. Each tells the user itself what went wrong;
// the box announces what changed.
class CDocumentFileActions
{
public:
    // Renames the file on disk and points the document at the new name.
    static bool Rename(QWidget* owner, CPdfDocument& document, const QString& path, QString* error);
    // Saves attachment nIndex in a folder of its own; its path, or empty.
    static QString ExtractAttachment(QWidget* owner, const CPdfDocument& document, int nIndex);

private:
    // A name taken from inside a PDF, made safe to use as a file name.
    static QString SafeAttachmentName(const QString& name);
};
