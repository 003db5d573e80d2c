#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>

// Recovery copies of unsaved changes: for each document with changes, the
// state of its edit session and what the file on disk looked like, written
// atomically to a folder of their own. A copy left over at start means the
// process before ended without settling those changes.
class CRecoveryCopy
{
public:
    struct Entry
    {
        QString copyPath;     // the copy itself
        QString documentPath; // the document it belongs to
        QDateTime written;
        QJsonObject state; // CEditSession::RecoveryState()
    };

    static constexpr int kIntervalMs = 30000;

    static QString DirPath();
    static QString CopyPathFor(const QString& documentPath);
    static bool Write(const QString& documentPath, const QJsonObject& state);
    static void Remove(const QString& documentPath);
    // Every readable copy, oldest first; copies that cannot be read, or
    // whose document is gone, are deleted.
    static QList<Entry> Pending();
    static bool Read(const QString& copyPath, Entry* entry);
};
