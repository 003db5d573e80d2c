#include "CProfileMove.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <cstdio>

#include <unistd.h>

namespace MKBase {

namespace {

int g_stopAfter = -1;
int g_steps = 0;

bool Exists(const QString& path)
{
    // A dangling link is an item too.
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool RenameOrCrossDevice(const QString& from, const QString& to, bool* crossDevice)
{
    *crossDevice = false;
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    *crossDevice = errno == EXDEV;
    return false;
}

bool SameContent(const QString& first, const QString& second)
{
    QFile a(first);
    QFile b(second);
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || a.size() != b.size())
        return false;
    while (!a.atEnd()) {
        if (a.read(1 << 16) != b.read(1 << 16))
            return false;
    }
    return true;
}

// Copy under a name of its own, flushed, then renamed: the target name
// only ever holds a whole copy.
bool CopyThenRename(const QString& from, const QString& to)
{
    const QString part = to + ".part-move";
    QFile::remove(part);
    const QFileInfo info(from);
    if (info.isSymLink()) {
        if (!QFile::link(info.symLinkTarget(), part))
            return false;
    } else {
        QFile source(from);
        QFile target(part);
        if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
            return false;
        while (!source.atEnd()) {
            const QByteArray chunk = source.read(1 << 16);
            if (chunk.isEmpty() && source.error() != QFileDevice::NoError)
                return false;
            if (target.write(chunk) != chunk.size())
                return false;
        }
        if (!target.flush() || ::fsync(target.handle()) != 0)
            return false;
        target.close();
        target.setPermissions(source.permissions());
    }
    return ::rename(QFile::encodeName(part).constData(), QFile::encodeName(to).constData()) == 0;
}

} // namespace

void CProfileMove::SetStopAfter(int nSteps)
{
    g_stopAfter = nSteps;
    g_steps = 0;
}

void CProfileMove::Step()
{
    ++g_steps;
    if (g_stopAfter < 0 || g_steps < g_stopAfter)
        return;
    std::printf("profile move stopped after %d steps\n", g_steps);
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}

CProfileMove::Result CProfileMove::Run(const QString& oldRoot, const QList<CAppPaths::LegacyItem>& items)
{
    Result result;
    if (!QFileInfo(oldRoot).isDir())
        return result;
    for (const CAppPaths::LegacyItem& item : items) {
        const QString from = QDir::cleanPath(oldRoot + "/" + item.from);
        const QString to = QDir::cleanPath(item.to);
        if (from != to && Exists(from))
            MoveEntry(from, to, result);
    }
    // Folders the items lived in go once they are empty; rmdir leaves any
    // that still hold something.
    for (const CAppPaths::LegacyItem& item : items) {
        for (QString dir = QFileInfo(item.from).path(); dir != QLatin1String("."); dir = QFileInfo(dir).path())
            QDir(oldRoot).rmdir(dir);
    }
    QDir().rmdir(oldRoot);
    return result;
}

bool CProfileMove::MoveEntry(const QString& from, const QString& to, Result& result)
{
    const QFileInfo info(from);
    if (!info.isDir() || info.isSymLink())
        return MoveFile(from, to, result);
    QDir().mkpath(QFileInfo(to).absolutePath());
    bool crossDevice = false;
    if (!Exists(to) && RenameOrCrossDevice(from, to, &crossDevice)) {
        ++result.moved;
        Step();
        return true;
    }
    // Across file systems, or into a folder that already exists: one entry
    // at a time.
    if (!QDir().mkpath(to))
        return false;
    bool all = true;
    const QStringList entries
        = QDir(from).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : entries)
        all = MoveEntry(from + "/" + name, to + "/" + name, result) && all;
    return QDir().rmdir(from) && all;
}

bool CProfileMove::MoveFile(const QString& from, const QString& to, Result& result)
{
    if (Exists(to)) {
        // A copy that got as far as its name, or the same file twice.
        if (SameContent(from, to) && QFile::remove(from)) {
            Step();
            return true;
        }
        ++result.kept;
        return false;
    }
    QDir().mkpath(QFileInfo(to).absolutePath());
    bool crossDevice = false;
    bool done = RenameOrCrossDevice(from, to, &crossDevice);
    if (!done && crossDevice && CopyThenRename(from, to)) {
        Step();
        done = QFile::remove(from);
    }
    if (!done)
        return false;
    ++result.moved;
    Step();
    return true;
}

} // namespace MKBase
