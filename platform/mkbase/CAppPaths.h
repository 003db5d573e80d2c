#pragma once

#include <QList>
#include <QString>

namespace MKBase {

// Every per-user place of the application, after the XDG base directory
// rules: configuration under $XDG_CONFIG_HOME, caches under $XDG_CACHE_HOME,
// logs, session, recovery copies and other state under $XDG_STATE_HOME
// (~/.local/state), anything else under $XDG_DATA_HOME; each in a folder
// named after the application. A variable that is unset, empty or not an
// absolute path means its default below the home folder.
class CAppPaths
{
public:
    static QString ConfigDir();
    static QString CacheDir();
    static QString StateDir();
    static QString DataDir();

    // Preferences of the user and of the framework ("setting.ini",
    // "comments.ini", "framework.ini").
    static QString ConfigFile(const QString& name);
    // Window placement, private mode and the last folder: state, not choices.
    static QString RecordFile();
    static QString RecentListFile();
    static QString ThumbnailDir();
    // The logger adds "/log" to it.
    static QString LogBaseDir();
    static QString SessionDir();
    static QString RecoveryDir();
    static QString CrashReportDir();
    static QString ReportQueueDir();
    // dua.data, version.data and pcid.data.
    static QString UsageStateDir();
    static QString BlankDocumentDir();
    static QString AttachmentDir();
    // Copies of the versions of documents that signatures cover.
    static QString SignedRevisionDir();

    // Versions before this one kept everything in one folder, DataDir()
    // itself. Each entry names an item there (relative) and where it lives
    // now (absolute).
    struct LegacyItem
    {
        QString from;
        QString to;
    };
    static QString LegacyDir();
    static QList<LegacyItem> LegacyItems();

private:
    static QString Base(const char* variable, const char* fallbackBelowHome);
    static QString AppFolder();
};

} // namespace MKBase
