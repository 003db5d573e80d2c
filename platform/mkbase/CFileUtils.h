#pragma once

#include <QByteArray>
#include <QString>

namespace MKBase {

class CFileUtils
{
public:
    // Whole-file text helpers: a missing or unreadable file reads as empty.
    static QString ReadFileData(const QString& path);
    // Replaces the file atomically, creating its folder when needed.
    static bool WriteFileData(const QString& path, const QString& data);
    static QByteArray ReadFileBytes(const QString& path, qint64 maxSize = 64 * 1024 * 1024);
    // Whole or not at all: the old file stays unless every byte of the new
    // one reached the disk, and the folder is synced after the rename.
    static bool WriteFileBytes(const QString& path, const QByteArray& data);
    // Flushes a folder's entries (a rename into it) to disk.
    static bool SyncFolder(const QString& path);
    // The mode a file made now would get (0666 less the process's umask),
    // for files first written under a temporary name, which are private.
    static unsigned NewFileMode();

    static bool MakeDirPath(const QString& path);
    static bool DeleteDirPath(const QString& path);
    static bool CopyFileHandle(const QString& source, const QString& target, bool overwrite);
    static bool SetFileWritable(const QString& path, bool writable);

    // True when both paths name one file: links, "..", duplicate separators
    // and hard links all resolve to the same file.
    static bool IsTheSameFile(const QString& first, const QString& second);

    static QString GetAppDirPath();
    static QString GetAppFilePath();
    // Shows the file selected in the desktop's file manager
    // (org.freedesktop.FileManager1); opens its folder when no file manager
    // answers. Returns at once; the desktop does the rest.
    static void OpenFolderAndSelectFile(const QString& path);
    // Opens the file manager's properties sheet of a file (where its
    // "open with" program is chosen), falling back to showing the file in its
    // folder. False, and nothing shown, when the file does not exist.
    static bool ShowFileProperties(const QString& path);
    // Writes a desktop launcher (a .desktop entry) at linkPath starting
    // appFilePath with the given arguments; name is what the desktop shows.
    static bool CreateDesktopLink(const QString& appDirPath, const QString& appFilePath, const QString& arguments,
                                  const QString& linkPath, const QString& name = QString(),
                                  const QString& iconName = QString());
    // There is no desktop shared by all users on Linux.
    static QString GetPublicDesktopPath();
};

} // namespace MKBase
