// GLib first: its headers use words that Qt defines as macros.
#include <glib.h>

#include "CDesktopRecent.h"

#include "CAppPaths.h"
#include "LoggerObject.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QThreadPool>
#include <QUrl>

namespace MKBase {

namespace {

QMutex& FileMutex()
{
    static QMutex mutex;
    return mutex;
}

} // namespace

QString CDesktopRecent::FilePath()
{
    return QFileInfo(CAppPaths::DataDir()).absolutePath() + "/recently-used.xbel";
}

void CDesktopRecent::Add(const QString& path, const QString& mimeType)
{
    // The application object waits for the pool's work as it goes away.
    QThreadPool::globalInstance()->start([path, mimeType]() { AddNow(path, mimeType); });
}

bool CDesktopRecent::AddNow(const QString& path, const QString& mimeType)
{
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return false;
    const QByteArray uri = QUrl::fromLocalFile(path).toEncoded();
    const QString listPath = FilePath();
    const QByteArray file = QFile::encodeName(listPath);
    // The name and command the desktop shows for "opened with".
    const QByteArray name = QCoreApplication::applicationName().toUtf8();
    const QByteArray exec = "'" + name + " %u'";

    QMutexLocker lock(&FileMutex());
    GBookmarkFile* list = g_bookmark_file_new();
    GError* error = nullptr;
    bool ok = true;
    if (!g_bookmark_file_load_from_file(list, file.constData(), &error)) {
        // Missing is a fresh start; anything else is the desktop's history,
        // which a write would throw away.
        ok = g_error_matches(error, G_FILE_ERROR, G_FILE_ERROR_NOENT);
        if (!ok)
            MK_LOG("recent documents of the desktop left alone: %s", error->message);
        g_clear_error(&error);
    }
    if (ok) {
        g_bookmark_file_set_mime_type(list, uri.constData(), mimeType.toUtf8().constData());
        g_bookmark_file_add_application(list, uri.constData(), name.constData(), exec.constData());
        QDir().mkpath(QFileInfo(listPath).absolutePath());
        // Written to a temporary file and renamed over the list.
        ok = g_bookmark_file_to_file(list, file.constData(), &error);
        if (!ok) {
            MK_LOG("recent documents of the desktop not written: %s", error->message);
            g_clear_error(&error);
        }
    }
    g_bookmark_file_free(list);
    return ok;
}

} // namespace MKBase
