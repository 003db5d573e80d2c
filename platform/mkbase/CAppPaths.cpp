#include "CAppPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace MKBase {

QString CAppPaths::Base(const char* variable, const char* fallbackBelowHome)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir::cleanPath(QDir::homePath() + "/" + QLatin1String(fallbackBelowHome));
}

QString CAppPaths::AppFolder()
{
    // The application object names itself after the brand before anything
    // asks; "rvpdf" stands in for code that runs without one.
    const QString name = QCoreApplication::applicationName();
    return "/" + (name.isEmpty() ? QStringLiteral("rvpdf") : name);
}

QString CAppPaths::ConfigDir()
{
    return Base("XDG_CONFIG_HOME", ".config") + AppFolder();
}

QString CAppPaths::CacheDir()
{
    return Base("XDG_CACHE_HOME", ".cache") + AppFolder();
}

QString CAppPaths::StateDir()
{
    return Base("XDG_STATE_HOME", ".local/state") + AppFolder();
}

QString CAppPaths::DataDir()
{
    return Base("XDG_DATA_HOME", ".local/share") + AppFolder();
}

QString CAppPaths::ConfigFile(const QString& name)
{
    return ConfigDir() + "/" + name;
}

QString CAppPaths::RecordFile()
{
    return StateDir() + "/record.ini";
}

QString CAppPaths::RecentListFile()
{
    return StateDir() + "/recentfiles.json";
}

QString CAppPaths::ThumbnailDir()
{
    return CacheDir() + "/thumb/";
}

QString CAppPaths::LogBaseDir()
{
    return StateDir();
}

QString CAppPaths::SessionDir()
{
    return StateDir() + "/session";
}

QString CAppPaths::RecoveryDir()
{
    return StateDir() + "/recovery";
}

QString CAppPaths::CrashReportDir()
{
    return StateDir() + "/crash";
}

QString CAppPaths::ReportQueueDir()
{
    return StateDir() + "/report";
}

QString CAppPaths::UsageStateDir()
{
    return StateDir();
}

QString CAppPaths::BlankDocumentDir()
{
    return CacheDir() + "/NewDoc/";
}

QString CAppPaths::AttachmentDir()
{
    return CacheDir() + "/attachments";
}

QString CAppPaths::SignedRevisionDir()
{
    return CacheDir() + "/signed-revisions";
}

QString CAppPaths::LegacyDir()
{
    return DataDir();
}

QList<CAppPaths::LegacyItem> CAppPaths::LegacyItems()
{
    const QString usage = UsageStateDir();
    return {
        {"setting/setting.ini", ConfigFile("setting.ini")},
        {"setting/comments.ini", ConfigFile("comments.ini")},
        {"setting/framework.ini", ConfigFile("framework.ini")},
        {"setting/record.ini", RecordFile()},
        {"recent/recentfiles.json", RecentListFile()},
        {"recent/thumb", ThumbnailDir()},
        {"log", LogBaseDir() + "/log"},
        {"session", SessionDir()},
        {"recovery", RecoveryDir()},
        {"crash", CrashReportDir()},
        {"report", ReportQueueDir()},
        {"dua.data", usage + "/dua.data"},
        {"version.data", usage + "/version.data"},
        {"pcid.data", usage + "/pcid.data"},
        {"NewDoc", BlankDocumentDir()},
        {"attachments", AttachmentDir()},
    };
}

} // namespace MKBase
