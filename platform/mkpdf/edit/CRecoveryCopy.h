#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>

// Recovery copies of unsaved changes: for each document with changes, the
// state of its edit session and what the file on disk looked like, written
// whole or not at all to a folder of their own, in order, off the GUI
// thread. A copy left over at start means the process before ended without
// settling those changes; it stays until the user decides about it.
class CRecoveryCopy
{
public:
    struct Entry
    {
        QString copyPath;     // the copy itself
        QString documentPath; // the document it belongs to
        QDateTime written;
        QJsonObject state; // CEditSession::RecoveryState()
        // The document is there now; a disk or share not yet mounted, or a
        // renamed folder, leaves it unreachable, and the copy waits for it.
        bool reachable = false;
    };

    static QString DirPath();
    // A name of its own for each writer: an open document never overwrites
    // the copy an earlier process left for the same file.
    static QString NewCopyPath(const QString& documentPath);
    // Writes at once, on the calling thread.
    static bool Write(const QString& copyPath, const QString& documentPath, const QJsonObject& state);
    // Queued for the writer thread, after every earlier write and removal.
    static void WriteLater(const QString& copyPath, const QString& documentPath, const QJsonObject& state);
    static void RemoveLater(const QString& copyPath);
    // Waits until everything queued is on disk.
    static void Flush();
    // In private mode nothing about a document reaches the disk: copies
    // asked for meanwhile are not written, and any left are removed.
    static void SetPrivate(bool bPrivate);
    static bool IsPrivate();
    // Every readable copy, oldest first, whether its document can be
    // reached now or not. Copies that cannot be read are deleted.
    static QList<Entry> Pending();
    static bool Read(const QString& copyPath, Entry* entry);
};
