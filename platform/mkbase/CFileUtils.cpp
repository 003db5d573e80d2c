#include "CFileUtils.h"

#include "CAssocUtils.h"
#include "CSystemUtils.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUrl>

#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace MKBase {

QString CFileUtils::ReadFileData(const QString& path)
{
    return QString::fromUtf8(ReadFileBytes(path, 16 * 1024 * 1024));
}

bool CFileUtils::WriteFileData(const QString& path, const QString& data)
{
    return WriteFileBytes(path, data.toUtf8());
}

QByteArray CFileUtils::ReadFileBytes(const QString& path, qint64 maxSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    if (file.size() > maxSize)
        return {};
    return file.read(maxSize);
}

bool CFileUtils::WriteFileBytes(const QString& path, const QByteArray& data)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (!MakeDirPath(info.absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Flushed before commit: a write that fails only when the buffer reaches
    // the disk (a full disk) must not replace the file.
    if (file.write(data) != data.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    // The rename is only on disk once the folder is.
    SyncFolder(info.absolutePath());
    return true;
}

unsigned CFileUtils::NewFileMode()
{
    // Read, not set and restored: umask() is the whole process's, and
    // another thread may be creating a file meanwhile.
    unsigned mask = 022;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (!line.startsWith("Umask:"))
                continue;
            bool ok = false;
            const unsigned read = line.mid(6).trimmed().toUInt(&ok, 8);
            if (ok && read <= 0777)
                mask = read;
            break;
        }
    }
    return 0666 & ~mask;
}

bool CFileUtils::SyncFolder(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

bool CFileUtils::MakeDirPath(const QString& path)
{
    if (path.isEmpty())
        return false;
    return QDir().mkpath(path);
}

bool CFileUtils::DeleteDirPath(const QString& path)
{
    if (path.isEmpty())
        return false;
    QDir dir(path);
    if (!dir.exists())
        return true;
    return dir.removeRecursively();
}

bool CFileUtils::CopyFileHandle(const QString& source, const QString& target, bool overwrite)
{
    if (!QFileInfo(source).isFile())
        return false;
    if (QFileInfo::exists(target)) {
        if (!overwrite)
            return false;
        if (IsTheSameFile(source, target))
            return true;
    }
    // Copy through a temporary file so a failed copy never leaves half a target.
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    if (!MakeDirPath(QFileInfo(target).absolutePath()))
        return false;
    if (QFileInfo::exists(target))
        SetFileWritable(target, true);
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray chunk;
    while (!(chunk = in.read(1 << 20)).isEmpty()) {
        if (out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            return false;
        }
    }
    if (in.error() != QFileDevice::NoError || !out.flush()) {
        out.cancelWriting();
        return false;
    }
    if (!out.commit())
        return false;
    SyncFolder(QFileInfo(target).absolutePath());
    return true;
}

bool CFileUtils::SetFileWritable(const QString& path, bool writable)
{
    QFile file(path);
    if (!file.exists())
        return false;
    QFileDevice::Permissions perms = file.permissions();
    if (writable)
        perms |= QFileDevice::WriteOwner | QFileDevice::WriteUser;
    else
        perms
            &= ~(QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup | QFileDevice::WriteOther);
    return file.setPermissions(perms);
}

bool CFileUtils::IsTheSameFile(const QString& first, const QString& second)
{
    if (first.isEmpty() || second.isEmpty())
        return false;
    struct stat a
    {
    };
    struct stat b
    {
    };
    const QByteArray firstPath = QFile::encodeName(first);
    const QByteArray secondPath = QFile::encodeName(second);
    const bool firstExists = ::stat(firstPath.constData(), &a) == 0;
    const bool secondExists = ::stat(secondPath.constData(), &b) == 0;
    if (firstExists && secondExists)
        return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
    if (firstExists != secondExists)
        return false;
    // Neither exists: only their spelled paths can be compared.
    return QDir::cleanPath(QFileInfo(first).absoluteFilePath())
        == QDir::cleanPath(QFileInfo(second).absoluteFilePath());
}

QString CFileUtils::GetAppDirPath()
{
    return QCoreApplication::applicationDirPath();
}

QString CFileUtils::GetAppFilePath()
{
    return QCoreApplication::applicationFilePath();
}

namespace {

// Asks the desktop's file manager to show a file (method "ShowItems" or
// "ShowItemProperties"); runs fallback when there is no bus or no answer.
// Asynchronous with a short timeout: a missing file manager never blocks.
void AskFileManager(const char* method, const QString& filePath, const std::function<void()>& fallback)
{
    if (!CSystemUtils::HasSessionBus()) {
        fallback();
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        fallback();
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
                                                       "org.freedesktop.FileManager1", QString::fromLatin1(method));
    call << QStringList {QUrl::fromLocalFile(filePath).toString()} << QString();
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 3000));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [watcher, fallback]() {
        if (watcher->isError())
            fallback();
        watcher->deleteLater();
    });
}

} // namespace

void CFileUtils::OpenFolderAndSelectFile(const QString& path)
{
    const QFileInfo info(path);
    const QUrl folder = QUrl::fromLocalFile(info.absolutePath());
    auto openFolder = [folder]() { QDesktopServices::openUrl(folder); };
    if (!info.exists()) {
        openFolder();
        return;
    }
    AskFileManager("ShowItems", info.absoluteFilePath(), openFolder);
}

bool CFileUtils::ShowFileProperties(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return false;
    const QString file = info.absoluteFilePath();
    AskFileManager("ShowItemProperties", file, [file]() { OpenFolderAndSelectFile(file); });
    return true;
}

bool CFileUtils::CreateDesktopLink(const QString& appDirPath, const QString& appFilePath, const QString& arguments,
                                   const QString& linkPath, const QString& name, const QString& iconName)
{
    if (appFilePath.isEmpty() || linkPath.isEmpty())
        return false;
    const QString exec
        = CAssocUtils::ExecValue(appFilePath, arguments.isEmpty() ? QStringList() : QStringList {arguments});
    const QString title = name.isEmpty() ? QFileInfo(linkPath).completeBaseName() : name;
    QString entry;
    entry += "[Desktop Entry]\n";
    entry += "Type=Application\n";
    entry += "Version=1.0\n";
    entry += "Name=" + title + "\n";
    entry += "Exec=" + exec + "\n";
    entry += "Path=" + appDirPath + "\n";
    if (!iconName.isEmpty())
        entry += "Icon=" + iconName + "\n";
    entry += "Terminal=false\n";
    entry += "MimeType=application/pdf;\n";
    entry += "Categories=Office;Viewer;\n";
    if (!WriteFileBytes(linkPath, entry.toUtf8()))
        return false;
    // Desktops only start launchers that are executable.
    QFile::setPermissions(linkPath, QFile::permissions(linkPath) | QFile::ExeOwner | QFile::ExeUser);
    return true;
}

QString CFileUtils::GetPublicDesktopPath()
{
    return QString();
}

} // namespace MKBase
