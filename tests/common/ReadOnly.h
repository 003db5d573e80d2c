#pragma once

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <unistd.h>

// Makes a file or a folder read-only, for root too: a folder through a
// read-only mount of itself, a file through its immutable flag. With
// bEntriesOnly a folder only refuses new, removed and renamed entries (its
// immutable flag); the files in it stay writable.
class ReadOnly
{
public:
    explicit ReadOnly(const QString& target, bool bEntriesOnly = false)
        : path(target)
        , folder(QFileInfo(target).isDir())
        , mounted(folder && !bEntriesOnly)
    {
        QFile::setPermissions(path, folder ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
        if (geteuid() != 0)
            return;
        if (mounted) {
            QProcess::execute("mount", {"--bind", path, path});
            QProcess::execute("mount", {"-o", "remount,ro,bind", path});
        } else {
            QProcess::execute("chattr", {"+i", path});
        }
    }
    ~ReadOnly()
    {
        if (geteuid() == 0)
            QProcess::execute(mounted ? "umount" : "chattr", mounted ? QStringList {path} : QStringList {"-i", path});
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | (folder ? QFile::ExeOwner : QFile::Permissions()));
    }

    ReadOnly(const ReadOnly&) = delete;
    ReadOnly& operator=(const ReadOnly&) = delete;

private:
    QString path;
    bool folder;
    bool mounted;
};
