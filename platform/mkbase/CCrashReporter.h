#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace MKBase {

// What every report of this process carries besides the crash itself.
struct CrashReportValues
{
    QString database;
    QString application;
    QString version;
    QString userName;
    QString email;
    QString description;
    QString notes;
};

// In-process crash reporter. A fatal signal, std::terminate, a failed
// allocation or abort() writes one report file (plus a copy of the log) into
// the report folder and the process then dies of the same signal. Reports are
// sent by CCrashUploader at the next start.
//
// Report folder layout: crash-<UTC yyyyMMdd-hhmmss-zzz>-<pid>.txt, with the
// log copy under the same name ending in .log. Names sort oldest first.
class CCrashReporter
{
public:
    // Called for every crash whose usage event is still due; value1 points to
    // the signal number (int). Never called while crashing: the crashing
    // process only notes that the event is due.
    using Callback = bool (*)(unsigned int code, void* value1, void* value2);
    static constexpr unsigned int kCrashEventCode = 0x50;
    static constexpr int kMaxReports = 10;
    // The tail of the log that is kept with a report.
    static constexpr qint64 kMaxLogCopy = 1024 * 1024;

    // Installs the handlers for the calling process. Everything the handlers
    // need is formatted here, since they may only use async-signal-safe
    // calls. Trims the folder to kMaxReports. False when the folder cannot
    // be made or a handler cannot be installed.
    static bool Install(const QString& reportDir, const CrashReportValues& values, const QString& logFilePath,
                        Callback callback);
    // True in a build instrumented by a sanitizer. Install then does nothing
    // and returns false: the sanitizer needs the fatal signals for its own
    // report, which says far more than ours would.
    static bool UnderSanitizer();
    static bool IsInstalled();
    // Gives the calling thread an alternate signal stack of its own, so that
    // a stack overflow there (deep recursion in a crafted file) is reported
    // too. Cheap after the first call in a thread; every task a worker
    // thread runs starts with it.
    static void PrepareThread();

    // Finished reports in the folder, oldest first (full paths of the .txt).
    static QStringList PendingReports(const QString& reportDir);
    // Deletes the oldest reports (and their logs) beyond nKeep, plus
    // leftovers of reports that were never finished. Returns how many
    // reports were deleted.
    static int TrimReports(const QString& reportDir, int nKeep = kMaxReports);
    // "Key: value" lines of a report up to its stack trace.
    static QMap<QString, QString> ReadReportFields(const QString& reportPath);
    // The log copy that belongs to a report; empty when there is none.
    static QString LogCopyPath(const QString& reportPath);
    // Runs callback once for each report whose usage event is due and marks
    // the event as sent. Returns the number of calls.
    static int DeliverDueEvents(const QString& reportDir, Callback callback);
};

} // namespace MKBase
