#pragma once

#include <QString>
#include <QVector>

// The text of a document's pages kept on disk between sessions, so that
// searching a document read once before needs no parsing. One file per
// document in the cache folder, named after the file's identity: its size,
// its modification time and a hash of its first and last blocks, so that a
// changed file never meets the text of its former self. Files are written
// whole or not at all and read defensively: one that does not check out is
// removed and never trusted. The folder is held under a size bound, the
// files used least recently going first. Nothing is written, and nothing
// touched, while private mode is on. Any thread.
class CTextStore
{
public:
    static constexpr qint64 kLimitBytes = 64 * 1024 * 1024;

    // Engine-wide: the shell tells the engine whether private mode is on.
    static void SetPrivate(bool bPrivate);
    static bool IsPrivate();

    static QString Folder();
    // The identity of the file at path; empty when it cannot be read.
    static QString KeyOf(const QString& path);
    // The pages' texts kept for key; empty when there are none, or when what
    // is kept does not hold exactly nPages pages.
    static QVector<QString> Load(const QString& key, int nPages);
    // False when nothing was written (private mode, no key, a disk error).
    static bool Save(const QString& key, const QVector<QString>& pages);
    // Removes the files used least recently until the folder holds at most
    // nLimit bytes.
    static void Prune(qint64 nLimit = kLimitBytes);
};
